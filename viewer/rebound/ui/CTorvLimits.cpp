#include "rebound/ui/CTorvLimits.h"

#include "rebound/ui/SpinButtons.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vordalis {

CTorvLimits::CTorvLimits(TorvLimitsLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setWindowTitle(tr("Limit"));
    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& label, QLineEdit*& edit, SpinButtons*& spin, const char* editName,
                   const char* spinName, const char* unitName) {
        grid->addWidget(new QLabel(label, this), r, 0);
        edit = new QLineEdit(this);
        edit->setObjectName(editName);
        edit->setMaxLength(TorvLimitsLogic::kEditLength);
        edit->setFixedWidth(48);
        grid->addWidget(edit, r, 1);
        spin = new SpinButtons(this);
        spin->setObjectName(spinName);
        spin->AttachTo(edit);
        grid->addWidget(spin, r, 2);
        auto* unit = new QLabel(QString::fromLatin1(logic_.UnitText()), this);
        unit->setObjectName(unitName);
        grid->addWidget(unit, r, 3);
    };
    row(0, tr("Upper limit"), upper_, upperSpin_, "edit1047", "spin1049", "static1020");
    row(1, tr("Lower limit"), lower_, lowerSpin_, "edit1048", "spin1050", "static1021");
    meanLine_ = new QCheckBox(tr("Display mean line"), this);
    meanLine_->setObjectName("check1053");
    display_ = new QCheckBox(tr("Display limits"), this);
    display_->setObjectName("check1051");
    initial_ = new QCheckBox(tr("Initial settings"), this);
    initial_->setObjectName("check1082");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(display_);
    layout->addWidget(meanLine_);
    layout->addWidget(initial_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTorvLimits::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTorvLimits::reject);

    connect(upper_, &QLineEdit::editingFinished, this, [this] {
        Take();
        Beep(logic_.UpperDone());
        Show();
    });
    connect(lower_, &QLineEdit::editingFinished, this, [this] {
        Take();
        Beep(logic_.LowerDone());
        Show();
    });
    connect(upperSpin_, &SpinButtons::spun, this, [this](int d) {
        Take();
        Beep(logic_.UpperSpin(d));
        Show();
    });
    connect(lowerSpin_, &SpinButtons::spun, this, [this](int d) {
        Take();
        Beep(logic_.LowerSpin(d));
        Show();
    });
    connect(initial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.InitialClicked(on);
        Show();
    });
    connect(display_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.DisplayLimitsClicked(on);
        Show();
    });
    connect(meanLine_, &QCheckBox::clicked, this, [this](bool on) { logic_.meanLine = on; });

    logic_.Open();
    Show();
}

void CTorvLimits::Take() {
    logic_.lowerText = lower_->text().toStdString();
    logic_.upperText = upper_->text().toStdString();
}

void CTorvLimits::Show() {
    // Programmatic changes must not run the focus handlers again.
    QSignalBlocker b1(lower_), b2(upper_);
    lower_->setText(QString::fromStdString(logic_.lowerText));
    upper_->setText(QString::fromStdString(logic_.upperText));
    for (QWidget* w : {static_cast<QWidget*>(lower_), static_cast<QWidget*>(upper_),
                       static_cast<QWidget*>(lowerSpin_), static_cast<QWidget*>(upperSpin_)})
        w->setEnabled(logic_.editsEnabled);
    meanLine_->setChecked(logic_.meanLine);
    meanLine_->setEnabled(logic_.meanLineEnabled);
    display_->setChecked(logic_.displayLimits);
    display_->setEnabled(logic_.displayLimitsEnabled);
    initial_->setChecked(logic_.initial);
}

void CTorvLimits::Beep(bool beep) {
    if (beep) QApplication::beep();
}

void CTorvLimits::accept() {
    Take();
    if (!logic_.Ok()) {
        QApplication::beep();
        return;
    }
    QDialog::accept();
}

void CTorvLimits::reject() {
    logic_.Cancel();
    QDialog::reject();
}

} // namespace vordalis
