#include "fuzz/UnpackerCheck.h"

#include "transfer/Errors.h"
#include "transfer/Unpacker.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vordalis::fuzz {
namespace {

using transfer::Unpacker;

struct Outcome {
    std::string out;
    int state = 0;

    // A failed object is thrown away whole, so what came out before the failure is no matter.
    bool Failed() const { return state == Unpacker::Error; }
    bool Same(const Outcome& o) const {
        return Failed() ? o.Failed() : !o.Failed() && state == o.state && out == o.out;
    }
};

// Feeds the stream in chunks of the given sizes (cycled) into blocks of capacity bytes, as
// the back end does with what each timer tick brought.
Outcome Decode(std::string_view stream, bool raw, const std::vector<size_t>& chunks, int capacity) {
    Unpacker unpacker;
    unpacker.Arm(raw);
    Outcome result;
    std::vector<uint8_t> block(static_cast<size_t>(capacity));
    const auto* data = reinterpret_cast<const uint8_t*>(stream.data());
    size_t pos = 0, k = 0;
    while (pos < stream.size()) {
        const size_t n = std::min(chunks[k++ % chunks.size()], stream.size() - pos);
        bool newInput = true;
        for (;;) {
            int produced = 0;
            const bool done =
                unpacker.Decode(block.data(), capacity, data + pos, static_cast<int>(n), produced, newInput);
            newInput = false;
            result.out.append(reinterpret_cast<const char*>(block.data()), static_cast<size_t>(produced));
            if (done) break;
        }
        pos += n;
    }
    result.state = unpacker.State();
    return result;
}

std::string Describe(const Outcome& o) {
    return std::to_string(o.out.size()) + " bytes, state " + std::to_string(o.state);
}

} // namespace

std::string CheckUnpacker(std::string_view input) {
    if (input.empty()) return {};
    const auto choice = static_cast<uint8_t>(input[0]);
    const std::string_view stream = input.substr(1);
    const bool raw = (choice & 1) != 0;
    const Outcome whole = Decode(stream, raw, {std::max<size_t>(stream.size(), 1)}, 512);
    // Cuttings: byte by byte, small irregular chunks picked by the choice byte, and the
    // back end's 256-byte reads; output blocks of 1 and 7 bytes besides the usual 512.
    const size_t a = 1 + (choice >> 1 & 7), b = 1 + (choice >> 4);
    const struct {
        std::vector<size_t> chunks;
        int capacity;
    } cuttings[] = {{{1}, 512}, {{a, b, 2}, 512}, {{256}, 1}, {{b, a}, 7}};
    for (const auto& c : cuttings) {
        const Outcome cut = Decode(stream, raw, c.chunks, c.capacity);
        if (!cut.Same(whole)) {
            std::string chunks;
            for (size_t s : c.chunks) chunks += std::to_string(s) + " ";
            return "cut into chunks of " + chunks + "with blocks of " + std::to_string(c.capacity) + ": " +
                   Describe(cut) + " instead of " + Describe(whole);
        }
    }
    return {};
}

} // namespace vordalis::fuzz
