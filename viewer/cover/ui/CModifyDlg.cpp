#include "cover/ui/CModifyDlg.h"

#include "cover/ui/CoverSpin.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vordalis {

CModifyDlg::CModifyDlg(ModifyDialogState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setWindowTitle(tr("Modify value"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& label, QLineEdit*& edit, QLabel*& unit) {
        auto* l = new QLabel(label);
        edit = new QLineEdit;
        edit->setMaximumWidth(90);
        unit = new QLabel;
        l->setBuddy(edit);
        grid->addWidget(l, r, 0);
        grid->addWidget(edit, r, 1);
        grid->addWidget(unit, r, 3);
    };
    row(0, tr("&X"), xEdit, xUnit);
    row(1, tr("&Y"), yEdit, yUnit);
    row(2, tr("&Value"), valueEdit, valueUnit);
    valueSpin = new CoverSpin;
    grid->addWidget(valueSpin, 2, 2);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("WARNING: Modified values cannot be restored \nautomatically")));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (valueEdit->hasFocus()) Forward(&ModifyDialogState::ValueEditDone);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(xEdit, &QLineEdit::editingFinished, this, [this] { Forward(&ModifyDialogState::XEditDone); });
    connect(yEdit, &QLineEdit::editingFinished, this, [this] { Forward(&ModifyDialogState::YEditDone); });
    connect(valueEdit, &QLineEdit::editingFinished, this,
            [this] { Forward(&ModifyDialogState::ValueEditDone); });
    connect(valueSpin, &CoverSpin::spun, this, [this](int delta) {
        ReadControls();
        if (state_.ValueSpin(delta)) QApplication::beep();
        ShowState();
    });
    xEdit->setEnabled(state.PositionEnabled());
    yEdit->setEnabled(state.PositionEnabled());
    valueEdit->setEnabled(state.ValueEnabled());
    valueSpin->setEnabled(state.ValueEnabled());
    ShowState();
    if (state.ValueEnabled()) {
        valueEdit->setFocus();
        valueEdit->selectAll();
    }
}

void CModifyDlg::ReadControls() {
    state_.xText = xEdit->text().toStdString();
    state_.yText = yEdit->text().toStdString();
    state_.valueText = valueEdit->text().toStdString();
}

void CModifyDlg::ShowState() {
    xEdit->setText(QString::fromStdString(state_.xText));
    yEdit->setText(QString::fromStdString(state_.yText));
    valueEdit->setText(QString::fromStdString(state_.valueText));
    xUnit->setText(QString::fromStdString(state_.xUnit));
    yUnit->setText(QString::fromStdString(state_.yUnit));
    valueUnit->setText(QString::fromStdString(state_.valueUnit));
}

void CModifyDlg::Forward(bool (ModifyDialogState::*stateEvent)()) {
    ReadControls();
    if ((state_.*stateEvent)()) QApplication::beep();
    ShowState();
}

} // namespace vordalis
