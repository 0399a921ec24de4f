#include "app/CBorderSetup.h"

#include "settings/Settings.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vordalis {

CBorderSetup::CBorderSetup(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Pageborder Printer"));
    const char* names[] = {"top", "bottom", "left", "right"};
    QString captions[] = {tr("Top"), tr("Bottom"), tr("Left"), tr("Right")};
    settings::PageBorders b = settings::ReadPageBorders();
    int values[] = {b.top, b.bottom, b.left, b.right};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(names[i]);
        edits_[i]->setMaxLength(2);
        edits_[i]->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edits_[i]));
        edits_[i]->setFixedWidth(edits_[i]->fontMetrics().horizontalAdvance("0000") + 12);
        edits_[i]->setAlignment(Qt::AlignRight);
        edits_[i]->setText(QString::asprintf("%d", values[i] / 10));
        auto* label = new QLabel(captions[i], this);
        label->setBuddy(edits_[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(edits_[i], i, 1);
        grid->addWidget(new QLabel(tr("mm"), this), i, 2);
    }
    grid->setColumnStretch(3, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* def = buttons->addButton(tr("Default"), QDialogButtonBox::ResetRole);
    def->setObjectName("default");
    connect(def, &QPushButton::clicked, this, &CBorderSetup::OnDefault);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

int CBorderSetup::LeadingNumber(const QString& text) {
    QString head = text.left(4);
    int value = 0;
    for (QChar c : head) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

void CBorderSetup::OnDefault() {
    // The defaults are shown only; nothing is stored before OK.
    const int defaults[] = {settings::kDefaultBorderTop, settings::kDefaultBorderBottom,
                            settings::kDefaultBorderLeft, settings::kDefaultBorderRight};
    for (int i = 0; i < 4; ++i) edits_[i]->setText(QString::number(defaults[i] / 10));
}

void CBorderSetup::accept() {
    settings::PageBorders b;
    b.top = LeadingNumber(edits_[0]->text()) * 10;
    b.bottom = LeadingNumber(edits_[1]->text()) * 10;
    b.left = LeadingNumber(edits_[2]->text()) * 10;
    b.right = LeadingNumber(edits_[3]->text()) * 10;
    settings::WritePageBorders(b);
    QDialog::accept();
}

} // namespace vordalis
