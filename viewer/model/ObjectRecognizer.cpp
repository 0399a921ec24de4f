#include "model/ObjectRecognizer.h"

#include "model/Codec.h"

#include <cstring>

namespace vordalis {

ObjectType DetectObjectType(ByteSource& file) {
    uint8_t head[14], tail[6];
    if (file.Read(head, 14) != 14) return kTypeNone;
    int64_t size = file.Size();
    if (size < 6 || !file.Seek(size - 6) || file.Read(tail, 6) != 6) return kTypeNone;
    file.Seek(0);
    auto is = [](const uint8_t* p, const char* s) { return std::memcmp(p, s, std::strlen(s)) == 0; };
    if (head[0] == 0x0D && head[1] == 0x0A) {
        if (is(head + 2, "Vernoskant") && (head[12] == '4' || head[12] == '5') && tail[5] == 0x1A)
            return kTypeCoverList;
        if (head[2] == '3' && AllNumerals(head + 3, 5) && head[8] == 0x0D && head[9] == 0x0A &&
            tail[5] == 0x06)
            return kTypeCoverRaster;
    }
    if (is(head, "Vernoskant")) {
        if (head[10] == '4') return kTypeCoverList;
        if (head[10] == '5' && tail[5] == 0x1A) return kTypeCoverList;
    }
    if (tail[0] == '2' && AllNumerals(tail, 6)) return kTypeCoverBars;
    if (is(head, "TORVIHAMMER")) return kTypeReboundSeries;
    if (is(head, "TORVDIR")) return kTypeReboundSummary;
    if (is(head, "TORVCHINA")) return kTypeReboundChina;
    return kTypeNone;
}

} // namespace vordalis
