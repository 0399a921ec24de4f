#pragma once
// A small FTP client for the update folder: log in (passive transfers), list the folder's
// names, ask a file's size and download a file with progress. Every request has time-outs and
// can be cancelled from another thread through a flag, so an unreachable server never hangs
// its caller. One thread at a time may use a client.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "update/UpdateLocation.h"

namespace vordalis {

enum class FtpError {
    None,
    Connect,   // host not found, not reachable, no answer
    Login,     // the server refused the user name or password
    Folder,    // the product folder cannot be opened
    Transfer,  // listing or download failed
    Cancelled, // the cancel flag was set
    Sink,      // the receiver of downloaded bytes refused them
};

class FtpClient {
public:
    FtpClient();
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // A request stops soon after *flag turns true; the flag must outlive the requests.
    void SetCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }
    // Time limit for building a connection (tests use short ones).
    void SetConnectTimeoutMs(long ms) { connectTimeoutMs_ = ms; }

    // Logs in and changes into the location's folder. When a connection is open and its
    // folder can still be read, nothing else happens.
    bool Connect(const UpdateLocation& location);
    bool IsConnected() const { return connected_; }
    // Closes the connection (the next Connect builds a new one).
    void Close();

    // The names of the folder's entries.
    std::optional<std::vector<std::string>> ListNames();
    // The size of a file of the folder in bytes.
    std::optional<uint64_t> FileSize(const std::string& name);
    // Downloads a file of the folder in binary mode. sink receives the bytes in order (false
    // stops the download); progress gets the count received so far after every block.
    bool Download(const std::string& name, const std::function<bool(const char*, size_t)>& sink,
                  const std::function<void(uint64_t)>& progress);

    FtpError LastError() const { return error_; }
    // The library's description of the last failure ("Couldn't connect to server", ...).
    const std::string& LastErrorDetail() const { return errorDetail_; }

private:
    struct Transfer;
    bool Perform(const std::string& url, Transfer& transfer);
    std::string FolderUrl() const;
    void ResetError();

    void* curl_ = nullptr;
    const std::atomic<bool>* cancel_ = nullptr;
    long connectTimeoutMs_ = 10000;
    bool connected_ = false;
    UpdateLocation location_;
    FtpError error_ = FtpError::None;
    std::string errorDetail_;
};

} // namespace vordalis
