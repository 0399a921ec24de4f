#include "app/TorvFensterTitel.h"

#include "app/CTitleDlg.h"
#include "app/DateConversion.h"
#include "app/TextLimit.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace vordalis {

TorvFensterTitel::TorvFensterTitel(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Title and Remarks"));
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setObjectName("title");
    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName("date");
    dateEdit_->setCalendarPopup(true);
    dateEdit_->setDisplayFormat("dd.MM.yyyy");
    timeEdit_ = new QTimeEdit(this);
    timeEdit_->setObjectName("time");
    timeEdit_->setDisplayFormat("HH:mm:ss");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("name");
    remarksEdit_ = new QPlainTextEdit(this);
    remarksEdit_->setObjectName("remarks");
    remarksEdit_->setTabChangesFocus(true);
    remarksEdit_->setMinimumWidth(360);
    remarksEdit_->setFixedHeight(remarksEdit_->fontMetrics().lineSpacing() * 4 + 12);

    auto* form = new QFormLayout;
    form->addRow(tr("Title"), titleEdit_);
    form->addRow(tr("Date"), dateEdit_);
    form->addRow(tr("Time"), timeEdit_);
    form->addRow(tr("Name"), nameEdit_);
    form->addRow(tr("Remarks"), remarksEdit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int TorvFensterTitel::exec() {
    titleEdit_->setMaxLength(kTitleLimit);
    nameEdit_->setMaxLength(kNameLimit);
    titleEdit_->setText(title);
    nameEdit_->setText(name);
    remarksEdit_->setPlainText(remarks.left(kRemarksLimit));
    LimitTyping(remarksEdit_, kRemarksLimit);
    QDateTime dt = ToQDateTime(date);
    if (!dt.isValid()) dt = QDateTime::currentDateTime();
    dateEdit_->setDate(dt.date());
    timeEdit_->setTime(dt.time());
    changed = false;
    return QDialog::exec();
}

void TorvFensterTitel::accept() {
    if (!CheckTextLimit(this, remarksEdit_, remarksEdit_->toPlainText(), kRemarksLimit)) return;
    title = titleEdit_->text();
    QDate d = dateEdit_->date();
    QTime t = timeEdit_->time();
    DateParts p{d.isValid() ? d.year() : -1, d.isValid() ? d.month() : -1,  d.isValid() ? d.day() : -1,
                t.isValid() ? t.hour() : -1, t.isValid() ? t.minute() : -1, t.isValid() ? t.second() : -1};
    date = OleDate::FromParts(p);
    name = nameEdit_->text();
    remarks = remarksEdit_->toPlainText();
    changed = true;
    QDialog::accept();
}

void TorvFensterTitel::reject() {
    changed = false;
    QDialog::reject();
}

} // namespace vordalis
