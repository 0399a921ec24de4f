#pragma once
// The rebound Limit dialog (150): a thin Qt face over TorvLimitsLogic.
#include "rebound/ui/TorvLimitsLogic.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vordalis {

class SpinButtons;

class CTorvLimits : public QDialog {
    Q_OBJECT
public:
    // The logic's members are the dialog's input; after exec() they hold the result.
    explicit CTorvLimits(TorvLimitsLogic& logic, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void Show();
    void Take();
    void Beep(bool beep);

    TorvLimitsLogic& logic_;
    QLineEdit* lower_;
    QLineEdit* upper_;
    SpinButtons* lowerSpin_;
    SpinButtons* upperSpin_;
    QCheckBox* meanLine_;
    QCheckBox* display_;
    QCheckBox* initial_;
};

} // namespace vordalis
