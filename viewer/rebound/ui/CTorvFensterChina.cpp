#include "rebound/ui/CTorvFensterChina.h"

#include "rebound/TTorvChina.h"
#include "rebound/ui/SpinButtons.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vordalis {

CTorvFensterChina::CTorvFensterChina(ChinaSettingsLogic& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setWindowTitle(tr("Torvihammer Settings"));
    auto* layout = new QVBoxLayout(this);

    auto* conversionBox = new QGroupBox(tr("Conversion"), this);
    auto* cgrid = new QGridLayout(conversionBox);
    conversion_ = new QComboBox(this);
    conversion_->setObjectName("combo1052");
    conversion_->addItems({QString::fromStdU16String(logic_.tableText), tr("General conversion")});
    conversionInitial_ = new QCheckBox(tr("Initial settings"), this);
    conversionInitial_->setObjectName("check1073");
    cgrid->addWidget(conversion_, 0, 0);
    cgrid->addWidget(conversionInitial_, 0, 1);
    layout->addWidget(conversionBox);

    auto* paramBox = new QGroupBox(tr("Parameters"), this);
    auto* pgrid = new QGridLayout(paramBox);
    angle_ = new QComboBox(this);
    angle_->setObjectName("combo1085");
    for (int code = 1; code <= 9; ++code)
        angle_->addItem(QString::fromStdU16String(ChinaAngleComboText(code)));
    surface_ = new QComboBox(this);
    surface_->setObjectName("combo1086");
    surface_->addItems({tr("Top"), tr("Side"), tr("Bottom")});
    depth_ = new QLineEdit(this);
    depth_->setObjectName("edit1064");
    depth_->setMaxLength(ChinaSettingsLogic::kDepthChars);
    depth_->setFixedWidth(48);
    depthSpin_ = new SpinButtons(this);
    depthSpin_->setObjectName("spin1054");
    pump_ = new QCheckBox(tr("Pump concrete"), this);
    pump_->setObjectName("check1081");
    parametersInitial_ = new QCheckBox(tr("Initial settings"), this);
    parametersInitial_->setObjectName("check1076");
    pgrid->addWidget(new QLabel(tr("Impact direction"), this), 0, 0);
    pgrid->addWidget(angle_, 0, 1, 1, 3);
    pgrid->addWidget(new QLabel(tr("Concrete placing"), this), 1, 0);
    pgrid->addWidget(surface_, 1, 1, 1, 3);
    pgrid->addWidget(new QLabel(tr("Carbonation depth"), this), 2, 0);
    pgrid->addWidget(depth_, 2, 1);
    pgrid->addWidget(depthSpin_, 2, 2);
    pgrid->addWidget(new QLabel(tr("mm"), this), 2, 3);
    pgrid->addWidget(pump_, 3, 0);
    pgrid->addWidget(parametersInitial_, 3, 1, 1, 3);
    layout->addWidget(paramBox);

    auto* generalBox = new QGroupBox(tr("General conversion"), this);
    auto* ggrid = new QGridLayout(generalBox);
    ggrid->addWidget(new QLabel(QStringLiteral("fc(R)  =  a * R ^ ( b ) * 10 ^ ( c * d )"), this), 0, 0, 1,
                     2);
    const char* names[3] = {"edit1067", "edit1068", "edit1069"};
    const char* labels[3] = {"a =", "b =", "c ="};
    for (int i = 0; i < 3; ++i) {
        coefficient_[i] = new QLineEdit(this);
        coefficient_[i]->setObjectName(names[i]);
        coefficient_[i]->setMaxLength(ChinaSettingsLogic::kCoefficientChars);
        ggrid->addWidget(new QLabel(QString::fromLatin1(labels[i]), this), i + 1, 0);
        ggrid->addWidget(coefficient_[i], i + 1, 1);
    }
    generalInitial_ = new QCheckBox(tr("Initial settings"), this);
    generalInitial_->setObjectName("check1091");
    ggrid->addWidget(generalInitial_, 4, 1);
    layout->addWidget(generalBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTorvFensterChina::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTorvFensterChina::reject);

    connect(conversion_, &QComboBox::activated, this, [this](int index) {
        Take();
        logic_.ConversionChanged(index);
        Show();
    });
    connect(conversionInitial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.ConversionInitialClicked(on);
        Show();
    });
    connect(parametersInitial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.ParametersInitialClicked(on);
        Show();
    });
    connect(generalInitial_, &QCheckBox::clicked, this, [this](bool on) {
        Take();
        logic_.GeneralInitialClicked(on);
        Show();
    });
    connect(depth_, &QLineEdit::editingFinished, this, [this] {
        Take();
        Beep(logic_.DepthEdited(depth_->text().toStdU16String()));
        Show();
    });
    connect(depthSpin_, &SpinButtons::spun, this, [this](int delta) {
        Take();
        Beep(logic_.DepthSpun(delta));
        Show();
    });
    for (int i = 0; i < 3; ++i)
        connect(coefficient_[i], &QLineEdit::editingFinished, this, [this, i] {
            Take();
            Beep(logic_.CoefficientEdited(i, coefficient_[i]->text().toStdU16String()));
            Show();
        });
    Show();
}

void CTorvFensterChina::Beep(bool beep) {
    if (beep) QApplication::beep();
}

void CTorvFensterChina::Take() {
    logic_.angleIndex = angle_->currentIndex();
    logic_.surfaceIndex = surface_->currentIndex();
    logic_.pump = pump_->isChecked();
    logic_.depthText = depth_->text().toStdU16String();
    for (int i = 0; i < 3; ++i) logic_.coefficientText[i] = coefficient_[i]->text().toStdU16String();
}

void CTorvFensterChina::Show() {
    // Programmatic changes must not run the focus handlers again.
    QSignalBlocker b0(depth_), b1(coefficient_[0]), b2(coefficient_[1]), b3(coefficient_[2]);
    conversion_->setCurrentIndex(logic_.conversionIndex);
    conversion_->setEnabled(logic_.conversionEnabled);
    angle_->setCurrentIndex(logic_.angleIndex);
    surface_->setCurrentIndex(logic_.surfaceIndex);
    depth_->setText(QString::fromStdU16String(logic_.depthText));
    pump_->setChecked(logic_.pump);
    for (QWidget* w :
         {static_cast<QWidget*>(angle_), static_cast<QWidget*>(surface_), static_cast<QWidget*>(depth_),
          static_cast<QWidget*>(depthSpin_), static_cast<QWidget*>(pump_)})
        w->setEnabled(logic_.parametersEnabled);
    for (int i = 0; i < 3; ++i) {
        coefficient_[i]->setText(QString::fromStdU16String(logic_.coefficientText[i]));
        coefficient_[i]->setEnabled(logic_.coefficientsEnabled);
    }
    conversionInitial_->setChecked(logic_.conversionInitial);
    parametersInitial_->setChecked(logic_.parametersInitial);
    generalInitial_->setChecked(logic_.generalInitial);
}

void CTorvFensterChina::accept() {
    Take();
    QDialog::accept();
}

bool RunChinaSettings(TBasicObj& obj, QWidget* parent) {
    auto* china = dynamic_cast<TTorvChina*>(&obj);
    if (!china) return false;
    ChinaSettingsLogic logic(*china);
    CTorvFensterChina dlg(logic, parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    logic.Apply(*china);
    return true;
}

} // namespace vordalis
