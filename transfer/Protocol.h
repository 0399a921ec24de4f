#pragma once
// The instrument's command dialogue on one serial port. Every command goes: wake byte 0x10,
// the instrument's prompt ">", the command text character by character with each echo
// checked (any case), CR, a space, the answer up to CR, then LF. All functions return
// success flags and never throw.
#include "transfer/ObjectPool.h"
#include "transfer/SerialPort.h"

#include <string>

namespace vordalis::transfer::protocol {

inline constexpr int kAnswerSize = 29;   // ordinary answers: at most 28 characters
inline constexpr int kIdAnswerSize = 79; // the ID answer: at most 78 characters
inline constexpr int kFieldLength = 19;  // identifier, serial number, version
inline constexpr int kWake = 0x10;
inline constexpr int kAbort = 0x1A;

bool Exchange(SerialPort& port, const std::string& command, std::string& answer, int size, int promptWait);
bool Command(SerialPort& port, const std::string& command, std::string& answer, int size, int promptWait);
void Abort(SerialPort& port);         // the abort byte alone
void AbortSequence(SerialPort& port); // stops an object being sent and drops what it sent
bool QueryId(SerialPort& port, std::string& identifier, std::string& serial, std::string& version,
             int promptWait, bool withWake);
int Negotiate(SerialPort& port); // the CP result 0 or 1, or -1
int ResetLink(SerialPort& port, bool switchLocal);
bool ChangeDir(SerialPort& port, const std::string& name);
bool LoadObject(SerialPort& port, const std::string& name);
// Empties the pool (taking the instrument's code, which decides how listed names split into
// name and extension) and lists the instrument's folders into it.
bool ReadDirectory(SerialPort& port, ObjectPool& pool, bool noInstrument, const std::string& code = {});
bool ListFolder(SerialPort& port, ObjectPool& pool);

} // namespace vordalis::transfer::protocol
