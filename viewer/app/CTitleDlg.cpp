#include "app/CTitleDlg.h"

#include "app/DateConversion.h"
#include "app/TextLimit.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vordalis {

bool CheckTextLimit(QWidget* dialog, QWidget* edit, const QString& text, int limit) {
    if (text.size() <= limit) return true;
    QMessageBox::warning(
        dialog, dialog->windowTitle(),
        QCoreApplication::translate("vordalis::CTitleDlg", "Enter no more than %1 characters.").arg(limit));
    edit->setFocus();
    return false;
}

CTitleDlg::CTitleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Title and Remarks"));
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setObjectName("title");
    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName("date");
    dateEdit_->setCalendarPopup(true);
    dateEdit_->setDisplayFormat("dd.MM.yyyy");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("name");
    remarksEdit_ = new QPlainTextEdit(this);
    remarksEdit_->setObjectName("remarks");
    remarksEdit_->setTabChangesFocus(true);
    remarksEdit_->setMinimumWidth(360);
    remarksEdit_->setFixedHeight(remarksEdit_->fontMetrics().lineSpacing() * 4 + 12);

    auto* form = new QFormLayout;
    form->addRow(tr("&Title"), titleEdit_);
    form->addRow(tr("&Date"), dateEdit_);
    form->addRow(tr("&Name"), nameEdit_);
    form->addRow(tr("&Remarks"), remarksEdit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int CTitleDlg::exec() {
    titleEdit_->setText(title);
    nameEdit_->setText(name);
    remarksEdit_->setPlainText(remarks);
    QDateTime dt = ToQDateTime(date);
    dateEdit_->setDate(dt.isValid() ? dt.date() : QDate::currentDate());
    LimitTyping(titleEdit_, kTitleLimit);
    LimitTyping(nameEdit_, kNameLimit);
    LimitTyping(remarksEdit_, kRemarksLimit);
    return QDialog::exec();
}

void CTitleDlg::accept() {
    if (!CheckTextLimit(this, titleEdit_, titleEdit_->text(), kTitleLimit)) return;
    if (!CheckTextLimit(this, nameEdit_, nameEdit_->text(), kNameLimit)) return;
    if (!CheckTextLimit(this, remarksEdit_, remarksEdit_->toPlainText(), kRemarksLimit)) return;
    title = titleEdit_->text();
    name = nameEdit_->text();
    remarks = remarksEdit_->toPlainText();
    // The date is edited; the time of day stays what it was.
    QDateTime old = ToQDateTime(date);
    date = FromQDateTime(QDateTime(dateEdit_->date(), old.isValid() ? old.time() : QTime(0, 0)));
    QDialog::accept();
}

} // namespace vordalis
