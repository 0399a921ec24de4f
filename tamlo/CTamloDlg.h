#pragma once
// The loader's dialog: finds the instrument, lists its objects and fetches the first object
// the user ticks into "Tamlo.vdo" in the temporary folder, then closes by itself.
#include "ondralink/common/TransferDialog.h"

namespace vordalis {

class CTamloDlg : public TransferDialog {
    Q_OBJECT
public:
    explicit CTamloDlg(QWidget* parent = nullptr);
    bool Initialise() override;
};

} // namespace vordalis
