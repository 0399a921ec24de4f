#pragma once
// The rebound settings dialog (144, "Torvihammer Settings"): a thin Qt face over
// TorvFensterLogic, in full mode for a series and in summary mode for a series summary.
#include "rebound/ui/TorvFensterLogic.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vordalis {

class SpinButtons;

class CTorvFenster : public QDialog {
    Q_OBJECT
public:
    // The logic's members are the dialog's input; after exec() they hold the result.
    explicit CTorvFenster(TorvFensterLogic& logic, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    void Show();
    void Take();
    void Event(bool (TorvFensterLogic::*handler)());

    TorvFensterLogic& logic_;
    QComboBox* unit_;
    QComboBox* curve_;
    QComboBox* direction_;
    QLineEdit* form_;
    QLineEdit* time_;
    QLineEdit* carbonation_;
    SpinButtons* spin_;
    QLineEdit* fxA_;
    QLineEdit* fxB_;
    QLineEdit* fxC_;
    QLabel* formula_;
    QCheckBox* median_;
    QCheckBox* conversionInitial_;
    QCheckBox* parametersInitial_;
};

} // namespace vordalis
