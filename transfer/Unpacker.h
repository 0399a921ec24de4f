#pragma once
// Turns the byte stream an instrument sends for one object into the object file's bytes.
// The stream is either plain (the output runs one character behind the input, LF CR becomes
// CR LF, the object ends at 0x06 or 0x1A) or packed (header 0xC1, end marker, option bits and
// four frequent characters; figures and those characters take half a byte, back-references
// repeat recent text, literals take a nibble 15 and a byte; an optional five-figure
// checksum of the bytes read and 0x0E end it). Raw objects pass through unchanged.
// Chunks may end anywhere, even inside a nibble pair or a back-reference.
#include "transfer/HistoryRing.h"
#include "transfer/NibbleReader.h"

#include <array>
#include <cstdint>

namespace vordalis::transfer {

class Unpacker {
public:
    enum State { Idle = 0, Armed = 1, Header = 2, Body = 3, Trailer = 4, Complete = 5, Error = 6 };
    // Option bits of the packed header.
    static constexpr int kLfAsCrLf = 1;
    static constexpr int kWriteEndMarker = 2;
    static constexpr int kChecksum = 4;
    static constexpr uint8_t kPackedMark = 0xC1;
    static constexpr uint8_t kPackedEnd = 0x0E;

    void Arm(bool raw);

    // Decodes into out (at most capacity bytes; produced says how many). Returns true when
    // the input is used up or decoding has ended; false when out is full (call again with
    // newInput false to go on with the same chunk).
    bool Decode(uint8_t* out, int capacity, const uint8_t* in, int n, int& produced, bool newInput);

    int State() const { return state_; }
    bool Raw() const { return raw_; }

private:
    static constexpr int kNeedInput = -1;
    static constexpr int kInvalid = -2;
    int UnpackChar();
    bool Fail() {
        state_ = Error;
        return true;
    }

    NibbleReader reader_;
    HistoryRing history_;
    bool raw_ = false;
    bool packed_ = false;
    int state_ = Idle;
    std::array<uint8_t, 7> header_{};
    int headerCount_ = 0;
    uint16_t endSum_ = 0;
    uint16_t checksum_ = 0;
    int figures_ = 0;
    int weight_ = 1;
    bool crLfSeen_ = false;  // plain form: the held LF came from a CR LF pair
    bool lfPending_ = false; // packed form: an LF is owed after an emitted CR
    int repeatCount_ = 0, repeatLength_ = 0, repeatIndex_ = 0;
};

} // namespace vordalis::transfer
