#pragma once
// The loader's dialog: finds the instrument, lists its objects and fetches the first object
// the user ticks into "Tamlo.vdo" in the temporary folder, then closes by itself.
#include "ondralink/common/TransferDialog.h"

#include <string>

namespace vordalis {

class CTamloDlg : public TransferDialog {
    Q_OBJECT
public:
    // tick, when given, is ticked as the user would once the tree is shown: an object's path
    // below the root, e.g. MEAS\000123 (scripted runs: tests, demonstrations).
    explicit CTamloDlg(std::string tick = {}, QWidget* parent = nullptr);
    bool Initialise() override;

private:
    std::string tick_;
};

} // namespace vordalis
