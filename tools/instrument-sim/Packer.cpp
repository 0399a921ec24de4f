#include "tools/instrument-sim/Packer.h"

#include <algorithm>
#include <array>

namespace instrument_sim {
namespace {

constexpr uint8_t kCr = 0x0D, kLf = 0x0A;
constexpr int kLfAsCrLf = 1, kChecksum = 4;

class NibbleWriter {
public:
    void Byte(uint8_t b) { // only while aligned
        bytes_.push_back(b);
    }
    void Nibble(int n) {
        if (high_) {
            bytes_.back() = static_cast<uint8_t>(bytes_.back() | (n << 4));
        } else {
            bytes_.push_back(static_cast<uint8_t>(n));
        }
        high_ = !high_;
    }
    void Pair(uint8_t b) {
        Nibble(b & 0x0F);
        Nibble(b >> 4);
    }
    void Align() { high_ = false; }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    bool high_ = false; // the next nibble goes into the high half of the last byte
};

// The characters the decoder has produced outside back-references (what they repeat from).
class History {
public:
    void Add(uint8_t c) {
        chars_[position_] = c;
        position_ = (position_ + 1) % 16;
        if (count_ < 16) ++count_;
    }
    int Count() const { return count_; }
    uint8_t Back(int k) const { return chars_[(position_ - 1 - k + 32) % 16]; }

private:
    std::array<uint8_t, 16> chars_{};
    int position_ = 0, count_ = 0;
};

} // namespace

std::optional<std::vector<uint8_t>> Pack(const std::vector<uint8_t>& object, const PackOptions& options) {
    std::array<size_t, 256> frequency{};
    for (uint8_t c : object) ++frequency[c];
    int marker = -1;
    for (int c = 0xFF; c >= 0 && marker < 0; --c)
        if (frequency[c] == 0 && !(c >= '0' && c <= '9')) marker = c;
    if (marker < 0) return std::nullopt;

    // LF stands for CR LF when every CR is followed by an LF and every LF follows a CR.
    bool lfAsCrLf = frequency[kLf] > 0;
    for (size_t i = 0; i < object.size() && lfAsCrLf; ++i) {
        if (object[i] == kCr && (i + 1 >= object.size() || object[i + 1] != kLf)) lfAsCrLf = false;
        if (object[i] == kLf && (i == 0 || object[i - 1] != kCr)) lfAsCrLf = false;
    }
    std::array<size_t, 256> tokenFrequency = frequency;
    if (lfAsCrLf) tokenFrequency[kCr] = 0;
    std::array<uint8_t, 4> table{'0', '0', '0', '0'};
    std::array<int, 256> tableIndex;
    tableIndex.fill(-1);
    for (int slot = 0; slot < 4; ++slot) {
        int best = -1;
        for (int c = 0; c < 256; ++c) {
            if ((c >= '0' && c <= '9') || tableIndex[c] >= 0 || tokenFrequency[c] == 0) continue;
            if (best < 0 || tokenFrequency[c] > tokenFrequency[best]) best = c;
        }
        if (best < 0) break;
        table[slot] = static_cast<uint8_t>(best);
        tableIndex[best] = slot;
    }

    NibbleWriter out;
    out.Byte(0xC1);
    out.Byte(static_cast<uint8_t>(marker));
    out.Byte(static_cast<uint8_t>(kChecksum | (lfAsCrLf ? kLfAsCrLf : 0)));
    for (uint8_t c : table) out.Byte(c);

    auto charCost = [&](uint8_t c) { return (c >= '0' && c <= '9') || tableIndex[c] >= 0 ? 1 : 3; };
    auto emitChar = [&](uint8_t c) {
        if (c >= '0' && c <= '9')
            out.Nibble(c - '0');
        else if (tableIndex[c] >= 0)
            out.Nibble(10 + tableIndex[c]);
        else {
            out.Nibble(15);
            out.Pair(c);
        }
    };

    History history;
    const size_t size = object.size();
    size_t p = 0;
    while (p < size) {
        if (options.backReferences && history.Count() > 0) {
            int bestLength = 0, bestCount = 0, bestSaving = 0;
            for (int length = 1; length <= std::min(15, history.Count()); ++length) {
                size_t run = 0;
                const size_t limit = std::min<size_t>(size - p, size_t(length) * 15);
                while (run < limit && object[p + run] == history.Back(length - 1 - int(run % length))) ++run;
                const int count = static_cast<int>(run / length);
                if (count == 0) continue;
                // With LF standing for CR LF a repeat must not split a CR from its LF.
                if (lfAsCrLf && object[p + size_t(count) * length - 1] == kCr) continue;
                int plainCost = 0;
                for (size_t i = 0; i < size_t(count) * length; ++i) plainCost += charCost(object[p + i]);
                if (plainCost - 3 > bestSaving) {
                    bestSaving = plainCost - 3;
                    bestLength = length;
                    bestCount = count;
                }
            }
            if (bestCount > 0) {
                out.Nibble(14);
                out.Nibble(bestLength);
                out.Nibble(bestCount);
                p += size_t(bestLength) * bestCount;
                continue;
            }
        }
        if (lfAsCrLf && object[p] == kCr) { // CR LF travels as one LF token
            emitChar(kLf);
            history.Add(kCr);
            history.Add(kLf);
            p += 2;
            continue;
        }
        emitChar(object[p]);
        history.Add(object[p]);
        ++p;
    }
    emitChar(static_cast<uint8_t>(marker));
    out.Align();
    uint32_t sum = 0;
    for (uint8_t b : out.Bytes()) sum += b;
    sum &= 0xFFFF;
    if (options.corruptChecksum) sum = (sum + 1) % 65536;
    for (int i = 0; i < 5; ++i, sum /= 10) out.Nibble(static_cast<int>(sum % 10));
    out.Align();
    out.Byte(0x0E);
    return std::move(out.Bytes());
}

} // namespace instrument_sim
