#include "cover/ui/CLimitDlg.h"

#include "cover/ui/CoverSpin.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vordalis {
namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CLimitDlg::CLimitDlg(LimitDialogState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setWindowTitle(tr("Limit and Range"));
    auto* layout = new QVBoxLayout(this);
    const QString unit = Text(state.Unit());
    auto row = [&](QGridLayout* grid, int r, const QString& label, QLineEdit*& edit, CoverSpin*& spin) {
        auto* l = new QLabel(label);
        edit = new QLineEdit;
        edit->setMaximumWidth(90);
        spin = new CoverSpin;
        l->setBuddy(edit);
        grid->addWidget(l, r, 0);
        grid->addWidget(edit, r, 1);
        grid->addWidget(spin, r, 2);
        grid->addWidget(new QLabel(unit), r, 3);
    };

    auto* tolerance = new QGroupBox(tr("&Tolerance limit"));
    auto* tGrid = new QGridLayout(tolerance);
    initialLimit = new QCheckBox(tr("&Initial setting"));
    tGrid->addWidget(initialLimit, 0, 0, 1, 4);
    row(tGrid, 1, tr("&Minimum cover"), limitEdit, limitSpin);
    layout->addWidget(tolerance);

    auto* range = new QGroupBox(tr("&Range of level chart"));
    auto* rGrid = new QGridLayout(range);
    initialRange = new QCheckBox(tr("I&nitial settings"));
    rGrid->addWidget(initialRange, 0, 0, 1, 4);
    row(rGrid, 1, tr("&Lower threshold"), lowerEdit, lowerSpin);
    row(rGrid, 2, tr("&Upper threshold"), upperEdit, upperSpin);
    layout->addWidget(range);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // An edit still being typed in counts as left.
        if (limitEdit->hasFocus()) Forward(&LimitDialogState::LimitEditDone);
        if (lowerEdit->hasFocus()) Forward(&LimitDialogState::LowerEditDone);
        if (upperEdit->hasFocus()) Forward(&LimitDialogState::UpperEditDone);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(limitEdit, &QLineEdit::editingFinished, this,
            [this] { Forward(&LimitDialogState::LimitEditDone); });
    connect(lowerEdit, &QLineEdit::editingFinished, this,
            [this] { Forward(&LimitDialogState::LowerEditDone); });
    connect(upperEdit, &QLineEdit::editingFinished, this,
            [this] { Forward(&LimitDialogState::UpperEditDone); });
    connect(limitSpin, &CoverSpin::spun, this, [this](int d) { Spin(&LimitDialogState::LimitSpin, d); });
    connect(lowerSpin, &CoverSpin::spun, this, [this](int d) { Spin(&LimitDialogState::LowerSpin, d); });
    connect(upperSpin, &CoverSpin::spun, this, [this](int d) { Spin(&LimitDialogState::UpperSpin, d); });
    connect(initialLimit, &QCheckBox::clicked, this, [this](bool on) {
        ReadControls();
        state_.InitialLimitClicked(on);
        ShowState();
    });
    connect(initialRange, &QCheckBox::clicked, this, [this](bool on) {
        ReadControls();
        state_.InitialRangeClicked(on);
        ShowState();
    });
    ShowState();
}

void CLimitDlg::ReadControls() {
    state_.limitText = limitEdit->text().toStdString();
    state_.lowerText = lowerEdit->text().toStdString();
    state_.upperText = upperEdit->text().toStdString();
}

void CLimitDlg::ShowState() {
    limitEdit->setText(Text(state_.limitText));
    lowerEdit->setText(Text(state_.lowerText));
    upperEdit->setText(Text(state_.upperText));
    initialLimit->setChecked(state_.InitialLimitOn());
    initialRange->setChecked(state_.InitialRangeOn());
    initialLimit->setEnabled(state_.InitialLimitBoxEnabled());
    initialRange->setEnabled(state_.InitialRangeBoxEnabled());
    limitEdit->setEnabled(state_.LimitEnabled());
    limitSpin->setEnabled(state_.LimitEnabled());
    lowerEdit->setEnabled(state_.RangeEnabled());
    upperEdit->setEnabled(state_.RangeEnabled());
    lowerSpin->setEnabled(state_.RangeEnabled());
    upperSpin->setEnabled(state_.RangeEnabled());
}

void CLimitDlg::Forward(bool (LimitDialogState::*stateEvent)()) {
    ReadControls();
    if ((state_.*stateEvent)()) QApplication::beep();
    ShowState();
}

void CLimitDlg::Spin(bool (LimitDialogState::*stateEvent)(int), int delta) {
    ReadControls();
    if ((state_.*stateEvent)(delta)) QApplication::beep();
    ShowState();
}

} // namespace vordalis
