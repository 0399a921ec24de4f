#include "tools/transfer/Commands.h"

#include <cstdio>

namespace transfer_tool {
using namespace vordalis::transfer;

int List(TransferEngine& engine) {
    const ObjectPool* pool = engine.Directory();
    if (!pool) return 1;
    std::printf("\\\n");
    for (const ObjectPool::Entry& entry : pool->Entries()) {
        std::string text = entry.name;
        if (entry.folder)
            text += '\\';
        else if (!entry.extension.empty())
            text += '.' + entry.extension;
        std::printf("%*s%s\n", 2 * entry.depth, "", text.c_str());
    }
    return 0;
}

} // namespace transfer_tool
