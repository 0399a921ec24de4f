// The unpacker on hand-made streams and on packed objects cut into chunks everywhere.
#include "transfer/Unpacker.h"
#include "tools/instrument-sim/Packer.h"
#include "transfer/HistoryRing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using vordalis::transfer::HistoryRing;
using vordalis::transfer::Unpacker;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ToBytes(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

struct Decoded {
    Bytes out;
    int state = 0;
};

// Feeds the stream in chunks of the given sizes (cycled), decoding into blocks of capacity.
Decoded DecodeInChunks(const Bytes& stream, const std::vector<size_t>& chunkSizes, int capacity = 512,
                       bool raw = false) {
    Unpacker unpacker;
    unpacker.Arm(raw);
    Decoded result;
    Bytes block(capacity);
    size_t pos = 0, k = 0;
    while (pos < stream.size()) {
        const size_t n = std::min(chunkSizes[k++ % chunkSizes.size()], stream.size() - pos);
        bool newInput = true;
        for (;;) {
            int produced = 0;
            const bool done =
                unpacker.Decode(block.data(), capacity, stream.data() + pos, int(n), produced, newInput);
            newInput = false;
            result.out.insert(result.out.end(), block.begin(), block.begin() + produced);
            if (done) break;
        }
        pos += n;
    }
    result.state = unpacker.State();
    return result;
}

Decoded DecodeWhole(const Bytes& stream) {
    return DecodeInChunks(stream, {stream.size() ? stream.size() : 1});
}

// A packed stream written by hand: header, the given body nibbles, the end marker as a
// literal, then (with checksum) five figures of the byte sum and 0x0E.
Bytes HandPacked(const std::vector<int>& body, int options = 4, int sumAdjust = 0, uint8_t last = 0x0E) {
    const uint8_t marker = 0xFE;
    Bytes out{0xC1, marker, uint8_t(options), 'A', 'B', 'C', 'D'};
    bool high = false;
    auto nibble = [&](int n) {
        if (high)
            out.back() |= uint8_t(n << 4);
        else
            out.push_back(uint8_t(n));
        high = !high;
    };
    for (int n : body) nibble(n);
    nibble(15);
    nibble(marker & 0x0F);
    nibble(marker >> 4);
    high = false;
    unsigned sum = sumAdjust;
    for (uint8_t b : out) sum += b;
    sum &= 0xFFFF;
    if (options & 4) {
        for (int i = 0; i < 5; ++i, sum /= 10) nibble(int(sum % 10));
        high = false;
    }
    out.push_back(last);
    return out;
}

} // namespace

TEST(UnpackerTest, PlainStreams) {
    struct Case {
        std::string in, out;
        int state;
    } cases[] = {
        {"AB\n\rC\x06", "AB\r\nC\x06", Unpacker::Complete}, // LF CR becomes CR LF
        {"AB\r\nC\x06", "AB\r\nC\x06", Unpacker::Complete},
        {"\x1A", "\x1A", Unpacker::Complete},
        {"12\r\n\r\n3\x1A"
         "tail",
         "12\r\n\r\n3\x1A", Unpacker::Complete}, // ends at the terminator
        {"ABC", "AB", Unpacker::Body},           // no terminator yet
    };
    for (const Case& c : cases) {
        for (size_t chunk : {size_t(1), size_t(2), size_t(64)}) {
            const Decoded d = DecodeInChunks(ToBytes(c.in), {chunk});
            EXPECT_EQ(std::string(d.out.begin(), d.out.end()), c.out) << c.in << " chunk " << chunk;
            EXPECT_EQ(d.state, c.state) << c.in;
        }
    }
}

TEST(UnpackerTest, PlainTerminatorIsDeliveredWhenTheBlockFillsBeforeIt) {
    // The held terminator must still come out when the output block is full just before it.
    const Decoded d = DecodeInChunks(ToBytes("ABCD\x06"), {5}, 4);
    EXPECT_EQ(std::string(d.out.begin(), d.out.end()), "ABCD\x06");
    EXPECT_EQ(d.state, Unpacker::Complete);
}

TEST(UnpackerTest, FirstByteDecidesTheForm) {
    EXPECT_EQ(DecodeWhole({0x90, 'A', 0x06}).state, Unpacker::Error);
    const Decoded raw = DecodeInChunks({0x90, 'A', 0x06, 0xFF}, {1}, 512, true);
    EXPECT_EQ(raw.out, Bytes({0x90, 'A', 0x06, 0xFF}));
    EXPECT_EQ(raw.state, Unpacker::Body); // raw objects end when the data stops
}

TEST(UnpackerTest, BackReferenceRepeatsThePair) {
    // Figures 1 and 2, then a back-reference of length 2 made three times.
    const Decoded d = DecodeWhole(HandPacked({1, 2, 14, 2, 3}));
    EXPECT_EQ(std::string(d.out.begin(), d.out.end()), "12121212");
    EXPECT_EQ(d.state, Unpacker::Complete);
}

TEST(UnpackerTest, TableCharactersLiteralsAndCrLfOption) {
    // 10..13 are the header's characters, 15 takes a literal; with option bit 0 LF gives CR LF.
    const Bytes stream = HandPacked({10, 13, 15, 0x0A, 0x00, 7}, 4 | 1);
    const Decoded d = DecodeWhole(stream);
    EXPECT_EQ(std::string(d.out.begin(), d.out.end()), "AD\r\n7");
    EXPECT_EQ(d.state, Unpacker::Complete);
}

TEST(UnpackerTest, EndMarkerWrittenWithOptionBit1) {
    const Decoded d = DecodeWhole(HandPacked({4}, 4 | 2));
    EXPECT_EQ(d.out, Bytes({'4', 0xFE}));
    EXPECT_EQ(d.state, Unpacker::Complete);
}

TEST(UnpackerTest, TrailerFaultsEndInError) {
    EXPECT_EQ(DecodeWhole(HandPacked({1, 2}, 4, 1)).state, Unpacker::Error);       // checksum differs
    EXPECT_EQ(DecodeWhole(HandPacked({1, 2}, 4, 0, 0x0F)).state, Unpacker::Error); // wrong final byte
    // Without the checksum the byte sum is compared with 0.
    EXPECT_EQ(DecodeWhole(HandPacked({1, 2}, 0)).state, Unpacker::Error);
}

TEST(UnpackerTest, WithoutChecksumAZeroByteSumCompletes) {
    // Literals 0xFF raise the byte sum to just below 65536; the unused table characters
    // make up the rest, so that everything up to the end marker sums to 0 modulo 65536.
    std::vector<int> body{1};
    Bytes stream;
    unsigned missing = 0;
    for (int k = 0; k < 400; ++k) {
        stream = HandPacked(body, 0);
        unsigned sum = 0;
        for (size_t i = 0; i + 1 < stream.size(); ++i) sum += stream[i];
        missing = (65536 - sum % 65536) % 65536;
        if (missing <= 600) break;
        body.insert(body.end(), {15, 15, 15});
    }
    ASSERT_LE(missing, 600u);
    for (int i = 3; i < 7 && missing > 0; ++i) {
        const unsigned add = std::min(missing, 255u - stream[i]);
        stream[i] = uint8_t(stream[i] + add);
        missing -= add;
    }
    ASSERT_EQ(missing, 0u);
    const Decoded d = DecodeWhole(stream);
    EXPECT_EQ(d.state, Unpacker::Complete);
    EXPECT_EQ(d.out.size(), 1 + (body.size() - 1) / 3);
}

TEST(UnpackerTest, BadBackReferencesEndInError) {
    // Reaching behind the history, and a back-reference that repeats nothing.
    EXPECT_EQ(DecodeWhole(HandPacked({1, 14, 5, 1})).state, Unpacker::Error);
    EXPECT_EQ(DecodeWhole(HandPacked({1, 14, 1, 0, 2})).state, Unpacker::Error);
}

TEST(UnpackerTest, HistoryRingKeepsSixteen) {
    HistoryRing ring;
    for (int c = 0; c < 20; ++c) ring.Add('a' + c);
    EXPECT_EQ(ring.Get(0), 'a' + 19);
    EXPECT_EQ(ring.Get(15), 'a' + 4);
    EXPECT_EQ(ring.Get(16), HistoryRing::kNotKept);
    ring.Clear();
    EXPECT_EQ(ring.Get(0), HistoryRing::kNotKept);
}

namespace {

std::vector<Bytes> SampleObjects() {
    std::vector<Bytes> objects;
    objects.push_back(ToBytes("000123\r\nV5(12-7702;1.5)\t45\t12\r\n10\r\n11\r\n12\r\n12\r\n12\r\n\x06"));
    std::string table;
    for (int i = 0; i < 300; ++i) table += std::to_string(1000 + (i * 37) % 200) + (i % 7 ? "\t" : "\r\n");
    objects.push_back(ToBytes(table + "\x1A"));
    // Lone LFs, letters and binary bytes: literals everywhere, no CR LF shortcut.
    Bytes mixed;
    std::mt19937 random(7);
    for (int i = 0; i < 700; ++i) {
        const int r = int(random() % 10);
        mixed.push_back(r < 4   ? uint8_t('0' + random() % 10)
                        : r < 6 ? uint8_t('a' + random() % 26)
                        : r < 7 ? uint8_t(0x0A)
                                : uint8_t(random() % 250));
    }
    objects.push_back(mixed);
    objects.push_back(ToBytes(std::string(200, '7') + "abcabcabcabcabcabcabcabc\x06"));
    return objects;
}

} // namespace

TEST(UnpackerTest, PackedObjectsSurviveEveryChunkBoundary) {
    for (const Bytes& object : SampleObjects()) {
        const auto stream = instrument_sim::Pack(object);
        ASSERT_TRUE(stream);
        // One cut at every position: inside nibble pairs, literals, back-references and the trailer.
        for (size_t cut = 1; cut < stream->size(); ++cut) {
            const Decoded d = DecodeInChunks(*stream, {cut, stream->size()});
            ASSERT_EQ(d.state, Unpacker::Complete) << "cut at " << cut;
            ASSERT_EQ(d.out, object) << "cut at " << cut;
        }
        for (int capacity : {1, 3, 512}) {
            const Decoded d = DecodeInChunks(*stream, {1, 2, 3, 5, 8}, capacity);
            EXPECT_EQ(d.state, Unpacker::Complete) << "capacity " << capacity;
            EXPECT_EQ(d.out, object) << "capacity " << capacity;
        }
    }
}

TEST(UnpackerTest, PackedStreamCompressesDigits) {
    const Bytes object = SampleObjects()[1];
    const auto stream = instrument_sim::Pack(object);
    ASSERT_TRUE(stream);
    EXPECT_LT(stream->size(), object.size() * 2 / 3);
}

TEST(UnpackerTest, CorruptedPackedStreamsNeverComplete) {
    const Bytes object = SampleObjects()[0];
    const auto stream = instrument_sim::Pack(object);
    ASSERT_TRUE(stream);
    for (size_t i = 7; i < stream->size(); ++i) {
        for (uint8_t flip : {uint8_t(0x01), uint8_t(0x10), uint8_t(0x5A)}) {
            Bytes bad = *stream;
            bad[i] ^= flip;
            const Decoded d = DecodeWhole(bad);
            EXPECT_FALSE(d.state == Unpacker::Complete && d.out != object)
                << "byte " << i << " flip " << int(flip);
        }
    }
    const Bytes truncated(stream->begin(), stream->end() - 3);
    EXPECT_NE(DecodeWhole(truncated).state, Unpacker::Complete);
}
