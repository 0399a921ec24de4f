#include "rebound/ui/CTorvFenster.h"

#include "rebound/ImpactDirection.h"
#include "rebound/StrengthUnits.h"
#include "rebound/ui/SpinButtons.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vordalis {
namespace {

QString Q(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

QLineEdit* Edit(QWidget* parent, const char* name, int length, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(length);
    e->setFixedWidth(width);
    return e;
}

} // namespace

CTorvFenster::CTorvFenster(TorvFensterLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setWindowTitle(tr("Torvihammer Settings"));

    // Conversion: unit and curve.
    auto* conversion = new QGroupBox(tr("Conversion"), this);
    auto* cg = new QGridLayout(conversion);
    unit_ = new QComboBox(conversion);
    unit_->setObjectName("combo1045");
    for (int u = 1; u <= rebound::kUnitCount; ++u) unit_->addItem(Q(rebound::UnitText(u)));
    curve_ = new QComboBox(conversion);
    curve_->setObjectName("combo1052");
    for (int c = 0; c < rebound::kCurveCount; ++c) curve_->addItem(Q(rebound::CurveName(c)));
    conversionInitial_ = new QCheckBox(tr("Initial settings"), conversion);
    conversionInitial_->setObjectName("check1073");
    cg->addWidget(new QLabel(tr("Unit"), conversion), 0, 0);
    cg->addWidget(unit_, 0, 1);
    cg->addWidget(new QLabel(tr("Conversion"), conversion), 1, 0);
    cg->addWidget(curve_, 1, 1);
    cg->addWidget(conversionInitial_, 2, 0, 1, 2);

    // Parameters: factors, carbonation, direction, median.
    auto* parameters = new QGroupBox(tr("Parameters"), this);
    auto* pg = new QGridLayout(parameters);
    form_ = Edit(parameters, "edit1062", TorvFensterLogic::kFactorLength, 56);
    time_ = Edit(parameters, "edit1063", TorvFensterLogic::kFactorLength, 56);
    carbonation_ = Edit(parameters, "edit1064", TorvFensterLogic::kCarbonationLength, 32);
    spin_ = new SpinButtons(parameters);
    spin_->setObjectName("spin1054");
    spin_->AttachTo(carbonation_);
    direction_ = new QComboBox(parameters);
    direction_->setObjectName("combo1085");
    for (int d = 1; d <= rebound::kDirectionCount; ++d) direction_->addItem(Q(rebound::DirectionText(d)));
    median_ = new QCheckBox(tr("Median"), parameters);
    median_->setObjectName("check1083");
    parametersInitial_ = new QCheckBox(tr("Initial settings"), parameters);
    parametersInitial_->setObjectName("check1076");
    pg->addWidget(new QLabel(tr("Form factor"), parameters), 0, 0);
    pg->addWidget(form_, 0, 1);
    pg->addWidget(new QLabel(tr("Time factor"), parameters), 1, 0);
    pg->addWidget(time_, 1, 1);
    pg->addWidget(new QLabel(tr("Carbonation depth"), parameters), 2, 0);
    auto* depth = new QHBoxLayout;
    depth->addWidget(carbonation_);
    depth->addWidget(spin_);
    depth->addWidget(new QLabel(tr("mm"), parameters));
    depth->addStretch();
    pg->addLayout(depth, 2, 1);
    pg->addWidget(new QLabel(tr("Impact direction"), parameters), 3, 0);
    pg->addWidget(direction_, 3, 1);
    pg->addWidget(median_, 4, 0, 1, 2);
    pg->addWidget(parametersInitial_, 5, 0, 1, 2);

    // Special conversion Fx: fc(R) = a R² + b R + c.
    auto* special = new QGroupBox(tr("Special conversion Fx"), this);
    auto* sg = new QGridLayout(special);
    fxA_ = Edit(special, "edit1067", TorvFensterLogic::kFxALength, 80);
    fxB_ = Edit(special, "edit1068", TorvFensterLogic::kFxBLength, 64);
    fxC_ = Edit(special, "edit1069", TorvFensterLogic::kFxCLength, 64);
    sg->addWidget(new QLabel(tr("fc(R)   =   a R\u00B2 + b R + c"), special), 0, 0, 1, 6);
    sg->addWidget(new QLabel(tr("a ="), special), 1, 0);
    sg->addWidget(fxA_, 1, 1);
    sg->addWidget(new QLabel(tr("b ="), special), 1, 2);
    sg->addWidget(fxB_, 1, 3);
    sg->addWidget(new QLabel(tr("c ="), special), 1, 4);
    sg->addWidget(fxC_, 1, 5);
    auto* formula = new QHBoxLayout;
    formula->addWidget(new QLabel(tr("fc(R) ="), special));
    formula_ = new QLabel(special);
    formula_->setObjectName("static1072");
    formula->addWidget(formula_, 1);
    sg->addLayout(formula, 2, 0, 1, 6);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(conversion);
    left->addWidget(special);
    columns->addLayout(left);
    columns->addWidget(parameters);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTorvFenster::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTorvFenster::reject);

    connect(unit_, &QComboBox::activated, this, [this](int i) { logic_.unitIndex = i; });
    connect(direction_, &QComboBox::activated, this, [this](int i) { logic_.directionIndex = i; });
    connect(median_, &QCheckBox::clicked, this, [this](bool on) { logic_.median = on; });
    connect(curve_, &QComboBox::activated, this, [this](int i) {
        Take();
        logic_.CurveChanged(i);
        Show();
    });
    connect(form_, &QLineEdit::editingFinished, this, [this] { Event(&TorvFensterLogic::FormFactorDone); });
    connect(time_, &QLineEdit::editingFinished, this, [this] { Event(&TorvFensterLogic::TimeFactorDone); });
    connect(carbonation_, &QLineEdit::editingFinished, this,
            [this] { Event(&TorvFensterLogic::CarbonationDone); });
    connect(fxA_, &QLineEdit::editingFinished, this, [this] { Event(&TorvFensterLogic::FxADone); });
    connect(fxB_, &QLineEdit::editingFinished, this, [this] { Event(&TorvFensterLogic::FxBDone); });
    connect(fxC_, &QLineEdit::editingFinished, this, [this] { Event(&TorvFensterLogic::FxCDone); });
    connect(spin_, &SpinButtons::spun, this, [this](int delta) {
        Take();
        if (logic_.CarbonationSpin(delta)) QApplication::beep();
        Show();
    });
    connect(parametersInitial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.ParametersInitialClicked(on);
        Show();
    });
    connect(conversionInitial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.ConversionInitialClicked(on);
        Show();
    });

    logic_.Open();
    Show();
}

void CTorvFenster::Event(bool (TorvFensterLogic::*handler)()) {
    Take();
    if ((logic_.*handler)()) QApplication::beep();
    Show();
}

void CTorvFenster::Take() {
    logic_.formText = form_->text().toStdString();
    logic_.timeText = time_->text().toStdString();
    logic_.carbonationText = carbonation_->text().toStdString();
    logic_.fxAText = fxA_->text().toStdString();
    logic_.fxBText = fxB_->text().toStdString();
    logic_.fxCText = fxC_->text().toStdString();
}

void CTorvFenster::Show() {
    // Programmatic changes must not run the focus handlers again.
    QSignalBlocker blockers[] = {QSignalBlocker(form_), QSignalBlocker(time_), QSignalBlocker(carbonation_),
                                 QSignalBlocker(fxA_),  QSignalBlocker(fxB_),  QSignalBlocker(fxC_)};
    unit_->setCurrentIndex(logic_.unitIndex);
    curve_->setCurrentIndex(logic_.curve);
    direction_->setCurrentIndex(logic_.directionIndex);
    form_->setText(QString::fromStdString(logic_.formText));
    time_->setText(QString::fromStdString(logic_.timeText));
    carbonation_->setText(QString::fromStdString(logic_.carbonationText));
    fxA_->setText(QString::fromStdString(logic_.fxAText));
    fxB_->setText(QString::fromStdString(logic_.fxBText));
    fxC_->setText(QString::fromStdString(logic_.fxCText));
    formula_->setText(Q(logic_.formulaText));
    median_->setChecked(logic_.median);
    conversionInitial_->setChecked(logic_.conversionInitial);
    parametersInitial_->setChecked(logic_.parametersInitial);

    unit_->setEnabled(logic_.unitEnabled);
    curve_->setEnabled(logic_.curveEnabled);
    direction_->setEnabled(logic_.directionEnabled);
    form_->setEnabled(logic_.formEnabled);
    time_->setEnabled(logic_.timeEnabled);
    carbonation_->setEnabled(logic_.carbonationEnabled);
    spin_->setEnabled(logic_.carbonationEnabled);
    median_->setEnabled(logic_.medianEnabled);
    for (QLineEdit* e : {fxA_, fxB_, fxC_}) e->setEnabled(logic_.fxEnabled);
    conversionInitial_->setEnabled(logic_.conversionInitialEnabled);
    parametersInitial_->setEnabled(logic_.parametersInitialEnabled);
}

void CTorvFenster::accept() {
    Take();
    logic_.unitIndex = unit_->currentIndex();
    logic_.curve = curve_->currentIndex();
    logic_.directionIndex = direction_->currentIndex();
    logic_.median = median_->isChecked();
    logic_.conversionInitial = conversionInitial_->isChecked();
    logic_.parametersInitial = parametersInitial_->isChecked();
    logic_.Ok();
    QDialog::accept();
}

void CTorvFenster::reject() {
    logic_.Cancel();
    QDialog::reject();
}

} // namespace vordalis
