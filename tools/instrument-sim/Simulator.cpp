#include "tools/instrument-sim/Simulator.h"

#include "tools/instrument-sim/Packer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace instrument_sim {
namespace fs = std::filesystem;

namespace {

constexpr uint8_t kWake = 0x10, kAbort = 0x1A, kCr = 0x0D;

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The text between the double quotation marks of CD"..." and LD"...".
std::string Quoted(const std::string& command) {
    const size_t open = command.find('"');
    const size_t close = command.rfind('"');
    if (open == std::string::npos || close <= open) return command.substr(2);
    return command.substr(open + 1, close - open - 1);
}

} // namespace

Simulator::Simulator(int masterFd, SimOptions options) : fd_(masterFd), options_(std::move(options)) {}

fs::path Simulator::Current() const {
    fs::path path = options_.store;
    for (const auto& part : folder_) path /= part;
    return path;
}

std::string Simulator::Listed(const std::string& stored) const {
    const auto it = options_.listAs.find(stored);
    return it == options_.listAs.end() ? stored : it->second;
}

fs::path Simulator::Find(const fs::path& folder, const std::string& name, bool directory) const {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_directory(ec) == directory && Listed(entry.path().filename().string()) == name)
            return entry.path();
    return {};
}

std::vector<std::string> Simulator::Entries() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Current(), ec)) {
        std::string name = Listed(entry.path().filename().string());
        if (entry.is_directory()) name += '\\';
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void Simulator::Count(uint64_t& counter, size_t bytes) {
    counter += bytes;
    stats_.lineSeconds += static_cast<double>(bytes) * 10.0 / baud_;
}

void Simulator::Write(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t r = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (r > 0) {
            done += static_cast<size_t>(r);
            Count(stats_.sent, static_cast<size_t>(r));
        } else if (r < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            return;
        }
    }
}

std::string Simulator::Answer(const std::string& command) {
    const std::string upper = Upper(command);
    if (upper == "ID" && !options_.idAnswer.empty()) return options_.idAnswer;
    if (upper == "ID") return options_.identifier + "; " + options_.serial + "; " + options_.version;
    if (upper == "CP1?") return options_.acceptCp ? "Y" : "N";
    if (upper == "CP1") {
        if (!options_.acceptCp) return "?";
        cp_ = 1;
        return "OK";
    }
    if (upper == "CP0") {
        cp_ = 0;
        return "OK";
    }
    if (upper.rfind("BR", 0) == 0) {
        const bool question = upper.back() == '?';
        const int rate = std::atoi(upper.c_str() + 2);
        const bool accepted = rate == 9600 || options_.rates.count(rate) > 0;
        if (question) return accepted ? "Y" : "N";
        if (!accepted) return "?";
        baud_ = rate;
        return "OK";
    }
    if (upper == "CD\\") {
        folder_.clear();
        return "OK";
    }
    if (upper == "CD..") {
        if (!folder_.empty()) folder_.pop_back();
        return "OK";
    }
    if (upper.rfind("CD", 0) == 0) {
        // A folder path: "\" at the start is the root, ".." the parent, components by "\".
        const std::string path = Quoted(command);
        std::vector<std::string> folder = folder_;
        if (!path.empty() && path[0] == '\\') folder.clear();
        std::stringstream parts(path);
        std::string part;
        while (std::getline(parts, part, '\\')) {
            if (part.empty()) continue;
            if (part == "..") {
                if (!folder.empty()) folder.pop_back();
                continue;
            }
            fs::path where = options_.store;
            for (const auto& f : folder) where /= f;
            const fs::path found = Find(where, part, true);
            if (found.empty()) return "?";
            folder.push_back(found.filename().string());
        }
        folder_ = folder;
        return "OK";
    }
    if (upper == "FF" || upper == "FN") {
        if (upper == "FF") {
            listing_ = Entries();
            listingPos_ = 0;
        }
        if (listingPos_ >= listing_.size()) return "?";
        return "\"" + listing_[listingPos_++] + "\"";
    }
    if (upper.rfind("LD", 0) == 0) {
        const std::string name = Quoted(command);
        const bool raw = name.size() > 2 && Upper(name.substr(name.size() - 2)) == ".B";
        std::error_code ec;
        fs::path file = Find(Current(), name, false);
        if (!raw && file.empty()) {
            // The name without its extension, as the listing split it off.
            for (const auto& entry : fs::directory_iterator(Current(), ec)) {
                const std::string candidate = Listed(entry.path().filename().string());
                if (entry.is_regular_file() && candidate.rfind(name + ".", 0) == 0 &&
                    Upper(candidate.substr(name.size())) != ".B") {
                    file = entry.path();
                    break;
                }
            }
        }
        if (file.empty() || !fs::is_regular_file(file, ec)) return "?";
        StartSending(file, raw);
        return "OK";
    }
    return "?";
}

void Simulator::StartSending(const fs::path& file, bool raw) {
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> object((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bool packed =
        !raw && (options_.form == SendForm::Packed || (options_.form == SendForm::Auto && cp_ == 1));
    outgoing_ = object;
    if (packed) {
        PackOptions pack;
        pack.corruptChecksum = options_.fault == Fault::BadChecksum;
        if (auto stream = Pack(object, pack)) outgoing_ = std::move(*stream);
        if (options_.fault == Fault::Corrupt && outgoing_.size() > 8)
            outgoing_[7 + (outgoing_.size() - 8) / 2] ^= 0x5A;
    }
    stopAt_ = outgoing_.size();
    if (options_.fault == Fault::Truncate || options_.fault == Fault::Hangup) stopAt_ = outgoing_.size() / 2;
    sent_ = 0;
    sending_ = false; // starts once the answer is out
    if (options_.verbose)
        std::fprintf(stderr, "sim: sending %s (%zu bytes, %s)\n", file.string().c_str(), outgoing_.size(),
                     raw      ? "raw"
                     : packed ? "packed"
                              : "plain");
}

void Simulator::SendSome() {
    if (sent_ >= stopAt_) {
        sending_ = false;
        if (options_.fault == Fault::Hangup) {
            // Give the other side time to take what was sent, then vanish.
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            ::close(fd_);
            std::_Exit(0); // the instrument is unplugged
        }
        return;
    }
    size_t chunk = std::min<size_t>(256, stopAt_ - sent_);
    if (options_.pace) {
        // Bytes allowed by now at 10 bits per byte.
        const double allowed = (Now() - sendStart_) * baud_ / 10.0;
        if (allowed <= static_cast<double>(sent_)) return;
        chunk = std::min<size_t>(chunk, static_cast<size_t>(allowed) - sent_ + 1);
    }
    const ssize_t r = ::write(fd_, outgoing_.data() + sent_, chunk);
    if (r > 0) {
        sent_ += static_cast<size_t>(r);
        Count(stats_.sent, static_cast<size_t>(r));
    }
}

void Simulator::OnByte(uint8_t b) {
    if (options_.fault == Fault::Silent) return;
    if (b == kAbort) { // stops an object being sent
        sending_ = false;
        outgoing_.clear();
        inCommand_ = false;
        return;
    }
    if (!inCommand_) {
        if (b == kWake) {
            if (options_.fault == Fault::Garbage) {
                Write("\x7f\x13garbage");
                return;
            }
            inCommand_ = true;
            command_.clear();
            Write(">");
        }
        return;
    }
    if (b == kCr) {
        inCommand_ = false;
        const std::string answer = Answer(command_);
        if (options_.verbose) std::fprintf(stderr, "sim: %s -> %s\n", command_.c_str(), answer.c_str());
        Write(" " + answer + "\r\n");
        if (!outgoing_.empty() && sent_ == 0 && !sending_) {
            sending_ = true;
            sendStart_ = Now();
        }
        return;
    }
    command_ += static_cast<char>(b);
    char echo = static_cast<char>(b);
    if (options_.lowerCaseEcho) echo = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
    if (options_.fault == Fault::WrongEcho) echo = '#';
    Write(std::string(1, echo));
}

void Simulator::Run(const std::atomic<bool>& stop) {
    while (!stop) {
        pollfd p{fd_, POLLIN, 0};
        if (sending_ && !options_.pace) p.events |= POLLOUT;
        const int timeout = sending_ ? (options_.pace ? 2 : 50) : 100;
        const int r = ::poll(&p, 1, timeout);
        if (r < 0 && errno != EINTR) return;
        if (p.revents & POLLIN) {
            uint8_t buffer[512];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n < 0 && errno != EAGAIN && errno != EINTR) {
                // No one holds the other side open at the moment; wait for the next program.
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                continue;
            }
            if (n > 0) Count(stats_.received, static_cast<size_t>(n));
            for (ssize_t i = 0; i < n; ++i) OnByte(buffer[i]);
        }
        if (sending_) SendSome();
        if (!sending_ && sent_ >= stopAt_ && !outgoing_.empty() && sent_ > 0) outgoing_.clear();
    }
}

} // namespace instrument_sim
