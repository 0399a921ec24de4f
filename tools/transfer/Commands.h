#pragma once
// vordalis-transfer: the transfer tool's work without a window.
#include "transfer/TransferEngine.h"

#include <string>
#include <vector>

namespace transfer_tool {

struct GetRequest {
    bool all = false;
    std::vector<std::string> names; // "NAME" or "FOLDER\NAME", without extension
    std::string folder;
    bool overwrite = false;
};

// Exit status of the commands: 0 success, 1 failure.
int List(vordalis::transfer::TransferEngine& engine);
int Get(vordalis::transfer::TransferEngine& engine, const GetRequest& request);

// Set by SIGINT/SIGTERM: a running object is aborted and the program ends.
bool Interrupted();
// Becomes readable on SIGINT/SIGTERM, so a wait on the line ends at once.
int InterruptFd();

} // namespace transfer_tool
