#pragma once
// The loader's back end: one object under the fixed name "Tamlo.vdo", replacing an earlier
// one without asking; it does not follow the instrument's folders.
#include "transfer/XBackEnd.h"

namespace vordalis::transfer {

class TBackEnd : public XBackEnd {
public:
    static constexpr const char* kResultName = "Tamlo.vdo";

    bool Close() override;
    bool EndObject(bool ok) override;
    bool ChangeDirectory(const std::string&) override { return true; }

protected:
    bool NamedAfterObject() const override { return false; }
};

} // namespace vordalis::transfer
