#pragma once
// The China settings dialog (148, "Torvihammer Settings"): a thin Qt face over
// ChinaSettingsLogic; the object changes only when Apply is called after OK.
#include "rebound/ChinaSettingsLogic.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vordalis {

class SpinButtons;
class TBasicObj;

class CTorvFensterChina : public QDialog {
    Q_OBJECT
public:
    CTorvFensterChina(ChinaSettingsLogic& logic, QWidget* parent = nullptr);

    void accept() override;

private:
    void Show();
    void Take();
    static void Beep(bool beep);

    ChinaSettingsLogic& logic_;
    QComboBox* conversion_;
    QComboBox* angle_;
    QComboBox* surface_;
    QLineEdit* depth_;
    SpinButtons* depthSpin_;
    QCheckBox* pump_;
    QLineEdit* coefficient_[3];
    QCheckBox* conversionInitial_;
    QCheckBox* parametersInitial_;
    QCheckBox* generalInitial_;
};

// Runs the dialog on a China object; true when the object took new settings.
bool RunChinaSettings(TBasicObj& obj, QWidget* parent);

} // namespace vordalis
