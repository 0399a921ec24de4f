#pragma once
// "Modify value": the position (shown only) and the value under the mouse, with a spin. The
// widgets only forward to ModifyDialogState, which holds the behaviour.
#include "cover/ModifyDialogState.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vordalis {

class CoverSpin;

class CModifyDlg : public QDialog {
    Q_OBJECT
public:
    // The state must already be filled (mode, position, value, range).
    CModifyDlg(ModifyDialogState& state, QWidget* parent = nullptr);

    QLineEdit* xEdit;
    QLineEdit* yEdit;
    QLineEdit* valueEdit;
    QLabel* xUnit;
    QLabel* yUnit;
    QLabel* valueUnit;
    CoverSpin* valueSpin;
    QDialogButtonBox* buttons;

private:
    void Forward(bool (ModifyDialogState::*stateEvent)());
    void ReadControls();
    void ShowState();

    ModifyDialogState& state_;
};

} // namespace vordalis
