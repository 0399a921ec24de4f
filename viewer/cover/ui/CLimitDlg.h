#pragma once
// "Limit and Range": the cover limit with its initial-setting box and the range of the level
// chart. The widgets only forward to LimitDialogState, which holds the behaviour.
#include "cover/LimitDialogState.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace vordalis {

class CoverSpin;

class CLimitDlg : public QDialog {
    Q_OBJECT
public:
    // The state must already be filled (options, flags, current and default values, range).
    CLimitDlg(LimitDialogState& state, QWidget* parent = nullptr);

    QLineEdit* limitEdit;
    QLineEdit* lowerEdit;
    QLineEdit* upperEdit;
    CoverSpin* limitSpin;
    CoverSpin* lowerSpin;
    CoverSpin* upperSpin;
    QCheckBox* initialLimit;
    QCheckBox* initialRange;
    QDialogButtonBox* buttons;

private:
    // Copies the edits into the state, runs an event, beeps when it asks for it and shows the
    // state's texts and enabling again.
    void Forward(bool (LimitDialogState::*stateEvent)());
    void Spin(bool (LimitDialogState::*stateEvent)(int), int delta);
    void ReadControls();
    void ShowState();

    LimitDialogState& state_;
};

} // namespace vordalis
