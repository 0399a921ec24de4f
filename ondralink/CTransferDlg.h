#pragma once
// The transfer tool's dialog: shows the instrument's folder tree with every object ticked and
// saves the ticked objects, one after the other, into the "Save in" folder.
#include "ondralink/common/TransferDialog.h"

class QLineEdit;

namespace vordalis {

class CTransferDlg : public TransferDialog {
    Q_OBJECT
public:
    explicit CTransferDlg(QWidget* parent = nullptr);
    bool Initialise() override;

    QLineEdit* FolderField() const { return folder_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* BrowseButton() const { return browse_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ResetFolderField() override;
    void SetSaveEnabled(bool enabled) override;

private:
    void Browse();

    QPushButton* save_;
    QLabel* saveIn_;
    QLineEdit* folder_;
    QPushButton* browse_;
};

} // namespace vordalis
