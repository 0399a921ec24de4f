#include "transfer/Unpacker.h"

namespace vordalis::transfer {

namespace {
constexpr int kCr = 0x0D, kLf = 0x0A;
bool IsTerminator(int ch) {
    return ch == 0x06 || ch == 0x1A;
}
} // namespace

void Unpacker::Arm(bool raw) {
    raw_ = raw;
    packed_ = false;
    state_ = Armed;
    headerCount_ = 0;
    figures_ = 0;
    weight_ = 1;
    checksum_ = endSum_ = 0;
    crLfSeen_ = lfPending_ = false;
    repeatCount_ = repeatLength_ = repeatIndex_ = 0;
    history_.Clear();
    reader_.Reset();
}

int Unpacker::UnpackChar() {
    if (repeatCount_ > 0) {
        const int ch = history_.Get(repeatIndex_);
        // A back-reference into history that was never sent cannot come from a sound stream.
        if (ch == HistoryRing::kNotKept) return kInvalid;
        if (repeatIndex_ > 0) {
            --repeatIndex_;
        } else {
            --repeatCount_;
            repeatIndex_ = repeatLength_ - 1;
        }
        return ch;
    }
    if (lfPending_) {
        lfPending_ = false;
        history_.Add(kLf);
        return kLf;
    }
    const int n = reader_.NextNibble();
    if (n < 0) return kNeedInput;
    int ch;
    if (n <= 9) {
        ch = '0' + n;
    } else if (n <= 13) {
        ch = header_[3 + (n - 10)];
    } else if (n == 14) {
        const int length = reader_.NextNibble();
        if (length < 0) {
            reader_.UnreadNibble();
            return kNeedInput;
        }
        const int count = reader_.NextNibble();
        if (count < 0) {
            reader_.UnreadNibble();
            reader_.UnreadNibble();
            return kNeedInput;
        }
        if (length >= 1) repeatLength_ = length;
        if (count >= 1) repeatCount_ = count;
        // A back-reference that repeats nothing cannot come from a sound stream.
        if (repeatCount_ <= 0 || repeatLength_ <= 0) return kInvalid;
        repeatIndex_ = repeatLength_ - 1;
        return UnpackChar();
    } else {
        ch = reader_.NextPair();
        if (ch < 0) {
            reader_.UnreadNibble();
            return kNeedInput;
        }
    }
    if (ch == kLf && (header_[2] & kLfAsCrLf)) {
        ch = kCr;
        lfPending_ = true;
    }
    history_.Add(ch);
    return ch;
}

bool Unpacker::Decode(uint8_t* out, int capacity, const uint8_t* in, int n, int& produced, bool newInput) {
    produced = 0;
    if (state_ == Idle || state_ == Complete || state_ == Error || capacity <= 0) return true;
    if (state_ == Armed) state_ = Header;
    if (newInput) reader_.Feed(in, n);
    // No early return on an empty chunk: a held terminator or a pending repeat still has
    // output to deliver, and each read below reports when it needs more input.
    while (produced < capacity) {
        switch (state_) {
        case Header: {
            const int ch = reader_.NextPair();
            if (ch < 0) return true;
            if (raw_) {
                out[produced++] = static_cast<uint8_t>(ch);
                state_ = Body;
                break;
            }
            header_[headerCount_++] = static_cast<uint8_t>(ch);
            if (headerCount_ == 1) {
                if (ch < 0x80) {
                    packed_ = false;
                    state_ = IsTerminator(ch) ? Trailer : Body;
                } else if (ch != kPackedMark) {
                    return Fail();
                } else {
                    packed_ = true;
                }
            } else if (headerCount_ == 7) {
                if (!packed_) return Fail();
                state_ = Body;
            }
            break;
        }
        case Body: {
            if (raw_) {
                const int ch = reader_.NextPair();
                if (ch < 0) return true;
                out[produced++] = static_cast<uint8_t>(ch);
            } else if (!packed_) {
                const int ch = reader_.NextPair();
                if (ch < 0) return true;
                const int held = header_[0];
                if (ch == kCr && held == kLf && !crLfSeen_) {
                    out[produced++] = kCr;
                } else if (ch == kLf && held == kCr) {
                    out[produced++] = kCr;
                    header_[0] = kLf;
                    crLfSeen_ = true;
                } else {
                    out[produced++] = static_cast<uint8_t>(held);
                    header_[0] = static_cast<uint8_t>(ch);
                    if (IsTerminator(ch)) state_ = Trailer;
                    crLfSeen_ = false;
                }
            } else {
                const int ch = UnpackChar();
                if (ch == kNeedInput) return true;
                if (ch == kInvalid) return Fail();
                if (ch == header_[1]) {
                    endSum_ = reader_.Sum();
                    reader_.Align();
                    state_ = Trailer;
                    checksum_ = 0;
                    figures_ = 0;
                    weight_ = 1;
                    if (header_[2] & kWriteEndMarker) out[produced++] = static_cast<uint8_t>(ch);
                } else {
                    out[produced++] = static_cast<uint8_t>(ch);
                }
            }
            break;
        }
        case Trailer: {
            if (!packed_) {
                out[produced++] = header_[0];
                state_ = Complete;
                return true;
            }
            const bool withChecksum = header_[2] & kChecksum;
            while (figures_ < 5 && withChecksum) {
                const int d = reader_.NextNibble();
                if (d < 0) return true;
                ++figures_;
                checksum_ = static_cast<uint16_t>(checksum_ + weight_ * d);
                weight_ *= 10;
            }
            if (figures_ == 5 && withChecksum) {
                reader_.Align();
                figures_ = 6;
            }
            const int ch = reader_.NextPair();
            if (ch < 0) return true;
            state_ = (ch == kPackedEnd && endSum_ == checksum_) ? Complete : Error;
            return true;
        }
        default:
            return Fail();
        }
    }
    return false;
}

} // namespace vordalis::transfer
