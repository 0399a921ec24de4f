#pragma once
// The instrument side of the serial dialogue, played on the master side of a
// pseudo-terminal: prompt and echo, ID, CP, BR, CD, FF/FN, LD and the abort byte, with the
// object files of a folder tree as the instrument's stored objects.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace instrument_sim {

enum class SendForm { Auto, Plain, Packed }; // Auto: packed once CP1 was agreed
enum class Fault { None, Silent, Garbage, WrongEcho, BadChecksum, Corrupt, Truncate, Hangup };

struct SimOptions {
    std::filesystem::path store;
    std::string identifier = "VERNOSKANT 5";
    std::string serial = "12-7702";
    std::string version = "1.5";
    std::string idAnswer; // when set, answered to ID as it stands
    bool acceptCp = true;
    std::set<int> rates{38400}; // BR rates answered with "Y" (9600 is always possible)
    bool lowerCaseEcho = false;
    bool pace = false; // send objects no faster than the agreed baud rate allows
    SendForm form = SendForm::Auto;
    Fault fault = Fault::None;
    bool verbose = false;
    // Stored file or folder names listed (and asked for in CD and LD) under another name,
    // as a garbled or hostile instrument would show them.
    std::map<std::string, std::string> listAs;
};

// What went over the line in both directions, and how long those bytes take at the baud
// rate in effect when each went (10 bits a byte): the least time any transfer can take.
struct LineStats {
    uint64_t sent = 0;
    uint64_t received = 0;
    double lineSeconds = 0;
};

class Simulator {
public:
    Simulator(int masterFd, SimOptions options);
    // Serves until stop becomes true or the pseudo-terminal fails.
    void Run(const std::atomic<bool>& stop);
    const LineStats& Stats() const { return stats_; }

private:
    void OnByte(uint8_t b);
    std::string Answer(const std::string& command);
    void StartSending(const std::filesystem::path& file, bool raw);
    void SendSome();
    void Write(const std::string& bytes);
    void Count(uint64_t& counter, size_t bytes);
    std::vector<std::string> Entries() const;
    std::filesystem::path Current() const;
    std::string Listed(const std::string& stored) const;
    // The entry of folder listed as name; empty when there is none.
    std::filesystem::path Find(const std::filesystem::path& folder, const std::string& name,
                               bool directory) const;

    int fd_;
    SimOptions options_;
    bool inCommand_ = false;
    std::string command_;
    int baud_ = 9600;
    int cp_ = 0;
    std::vector<std::string> folder_; // current folder below the store
    std::vector<std::string> listing_;
    size_t listingPos_ = 0;
    // The object being sent.
    std::vector<uint8_t> outgoing_;
    size_t sent_ = 0;
    size_t stopAt_ = 0; // truncating faults stop here
    double sendStart_ = 0;
    bool sending_ = false;
    LineStats stats_;
};

} // namespace instrument_sim
