#include "transfer/Protocol.h"

#include <cctype>
#include <cstdio>

namespace vordalis::transfer::protocol {
namespace {

constexpr int kCr = 0x0D, kLf = 0x0A, kPrompt = '>';

bool Contains(const std::string& text, char c) {
    return text.find(c) != std::string::npos;
}

size_t SkipSpace(const std::string& text, size_t pos) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    return pos;
}

} // namespace

bool Exchange(SerialPort& port, const std::string& command, std::string& answer, int size, int promptWait) {
    answer.clear();
    if (port.ReadByte(promptWait == 0 ? 200 : promptWait) != kPrompt) return false;
    for (unsigned char c : command) {
        if (!port.WriteByte(c)) return false;
        const int echo = port.ReadByte(100);
        if (echo < 0 || std::toupper(echo) != std::toupper(c)) return false;
    }
    if (!port.WriteByte(kCr)) return false;
    if (port.ReadByte(100) != ' ') return false;
    for (int i = 0; i < 80; ++i) {
        const int b = port.ReadByte(i == 0 ? 1000 : 100);
        if (b == kCr) break;
        // A time-out is kept like a byte (0xFF); only CR or 80 bytes end the answer.
        if (static_cast<int>(answer.size()) < size - 1) answer += static_cast<char>(b);
    }
    return port.ReadByte(100) == kLf;
}

bool Command(SerialPort& port, const std::string& command, std::string& answer, int size, int promptWait) {
    if (!port.WriteByte(kWake)) return false;
    return Exchange(port, command, answer, size, promptWait);
}

void Abort(SerialPort& port) {
    port.WriteByte(kAbort);
}

void AbortSequence(SerialPort& port) {
    if (!port.IsOpen()) return;
    port.PurgeInput();
    port.WriteByte(kAbort);
    for (int i = 0; i < 1000 && port.ReadByte(200) >= 0; ++i) {
    }
    port.PurgeInput();
}

bool QueryId(SerialPort& port, std::string& identifier, std::string& serial, std::string& version,
             int promptWait, bool withWake) {
    identifier.clear();
    serial.clear();
    version.clear();
    if (!port.IsOpen()) return false;
    std::string answer;
    const bool ok = withWake ? Command(port, "ID", answer, kIdAnswerSize, promptWait)
                             : Exchange(port, "ID", answer, kIdAnswerSize, promptWait);
    if (!ok) return false;
    const size_t first = answer.find(';');
    if (first == std::string::npos) return false;
    identifier = answer.substr(0, std::min<size_t>(first, kFieldLength));
    const size_t start = SkipSpace(answer, first + 1);
    if (start >= answer.size()) return true;
    const size_t second = answer.find(';', start);
    if (second == std::string::npos) return true; // a serial number without a second ";" is not taken
    serial = answer.substr(start, std::min<size_t>(second - start, kFieldLength));
    version = answer.substr(SkipSpace(answer, second + 1), kFieldLength);
    return true;
}

int Negotiate(SerialPort& port) {
    std::string answer;
    char command[32];
    std::snprintf(command, sizeof command, "CP%d?", 1);
    if (!Command(port, command, answer, kAnswerSize, 1000)) return -1;
    int cp = 0;
    if (Contains(answer, 'Y')) {
        std::snprintf(command, sizeof command, "CP%d", 1);
        if (!Command(port, command, answer, kAnswerSize, 1000)) return -1;
        if (!Contains(answer, '?')) cp = 1;
    }
    for (int divisor : {3, 4, 5, 6, 8, 9, 10}) {
        const int rate = 115200 / divisor;
        std::snprintf(command, sizeof command, "BR%d?", rate);
        if (!Command(port, command, answer, kAnswerSize, 1000)) return -1;
        if (!Contains(answer, 'Y')) continue;
        std::snprintf(command, sizeof command, "BR%d", rate);
        if (!Command(port, command, answer, kAnswerSize, 1000)) return -1;
        if (port.SetBaud(rate) == 0) return -1;
        break;
    }
    return cp;
}

int ResetLink(SerialPort& port, bool switchLocal) {
    if (!port.IsOpen()) return -1;
    int result = 0;
    std::string answer;
    if (!Command(port, "CP0", answer, kAnswerSize, 1000)) result = -1;
    if (port.Baud() != 9600) {
        if (!Command(port, "BR9600", answer, kAnswerSize, 1000)) result = -1;
        if (switchLocal && port.SetBaud(9600) != 9600) result = -1;
    }
    return result;
}

bool ChangeDir(SerialPort& port, const std::string& name) {
    if (name.size() >= 121) return false;
    std::string answer;
    return Command(port, "CD\"" + name + "\"", answer, kAnswerSize, 1000) && !Contains(answer, '?');
}

bool LoadObject(SerialPort& port, const std::string& name) {
    if (name.size() >= 21) return false;
    std::string answer;
    return Command(port, "LD\"" + name + "\"", answer, kAnswerSize, 1000) && !Contains(answer, '?');
}

bool ReadDirectory(SerialPort& port, ObjectPool& pool, bool noInstrument, const std::string& code) {
    pool.Reset();
    pool.SetInstrumentCode(code);
    if (noInstrument) return true;
    std::string answer;
    if (!Command(port, "CD\\", answer, kAnswerSize, 1000)) return false;
    return ListFolder(port, pool);
}

bool ListFolder(SerialPort& port, ObjectPool& pool) {
    std::string answer;
    if (!Command(port, "FF", answer, kAnswerSize, 1000)) return false;
    for (;;) {
        std::string entry;
        for (char c : answer)
            if (c != '"') entry += c;
        if (Contains(entry, '?')) break;
        if (!entry.empty() && entry.back() == '\\') {
            entry.pop_back();
            if (!pool.AddFolder(entry)) return false;
        } else if (!pool.AddObject(entry)) {
            return false;
        }
        if (!Command(port, "FN", answer, kAnswerSize, 1000)) return false;
    }
    bool ok = true;
    for (int n = pool.FirstChild(); n >= 0; n = pool.NextChild()) {
        const auto& node = pool.At(n);
        if (node.kind != ObjectPool::Folder) continue;
        const std::string name = node.name;
        if (!pool.ChangeDirectory(name)) ok = false;
        if (!ChangeDir(port, name)) ok = false;
        if (!ListFolder(port, pool)) ok = false;
        if (!pool.ChangeDirectory("..")) ok = false;
        if (!Command(port, "CD..", answer, kAnswerSize, 1000)) ok = false;
    }
    return ok;
}

} // namespace vordalis::transfer::protocol
