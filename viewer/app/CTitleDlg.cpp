#include "app/CTitleDlg.h"

#include "app/DateConversion.h"
#include "app/TextLimit.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace vordalis {

namespace {

// "Enter no more than %1 characters." and the focus on the edit; false when text is too long.
bool CheckTextLimit(QWidget* dialog, QWidget* edit, const QString& text, int limit) {
    if (text.size() <= limit) return true;
    QMessageBox::warning(dialog, dialog->windowTitle(),
                         CTitleDlg::tr("Enter no more than %1 characters.").arg(limit));
    edit->setFocus();
    return false;
}

} // namespace

CTitleDlg::CTitleDlg(Family family, QWidget* parent)
    : QDialog(parent), family_(family), limits_(family == Family::Cover ? kCoverLimits : kReboundLimits) {
    const bool cover = family == Family::Cover;
    setWindowTitle(tr("Title and Remarks"));
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setObjectName("title");
    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName("date");
    dateEdit_->setCalendarPopup(true);
    dateEdit_->setDisplayFormat("dd.MM.yyyy");
    if (!cover) {
        timeEdit_ = new QTimeEdit(this);
        timeEdit_->setObjectName("time");
        timeEdit_->setDisplayFormat("HH:mm:ss");
    }
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("name");
    remarksEdit_ = new QPlainTextEdit(this);
    remarksEdit_->setObjectName("remarks");
    remarksEdit_->setTabChangesFocus(true);
    remarksEdit_->setMinimumWidth(360);
    remarksEdit_->setFixedHeight(remarksEdit_->fontMetrics().lineSpacing() * 4 + 12);

    auto* form = new QFormLayout;
    form->addRow(cover ? tr("&Title") : tr("Title"), titleEdit_);
    form->addRow(cover ? tr("&Date") : tr("Date"), dateEdit_);
    if (timeEdit_) form->addRow(tr("Time"), timeEdit_);
    form->addRow(cover ? tr("&Name") : tr("Name"), nameEdit_);
    form->addRow(cover ? tr("&Remarks") : tr("Remarks"), remarksEdit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int CTitleDlg::exec() {
    const bool cut = family_ == Family::Rebound;
    if (cut) {
        titleEdit_->setMaxLength(limits_.title);
        nameEdit_->setMaxLength(limits_.name);
    }
    titleEdit_->setText(title);
    nameEdit_->setText(name);
    remarksEdit_->setPlainText(cut ? remarks.left(limits_.remarks) : remarks);
    if (!cut) {
        LimitTyping(titleEdit_, limits_.title);
        LimitTyping(nameEdit_, limits_.name);
    }
    LimitTyping(remarksEdit_, limits_.remarks);
    QDateTime dt = ToQDateTime(date);
    if (timeEdit_) {
        if (!dt.isValid()) dt = QDateTime::currentDateTime();
        dateEdit_->setDate(dt.date());
        timeEdit_->setTime(dt.time());
    } else {
        dateEdit_->setDate(dt.isValid() ? dt.date() : QDate::currentDate());
    }
    return QDialog::exec();
}

void CTitleDlg::accept() {
    // Title and name of the rebound dialog cannot grow past their limits.
    if (!CheckTextLimit(this, titleEdit_, titleEdit_->text(), limits_.title)) return;
    if (!CheckTextLimit(this, nameEdit_, nameEdit_->text(), limits_.name)) return;
    if (!CheckTextLimit(this, remarksEdit_, remarksEdit_->toPlainText(), limits_.remarks)) return;
    title = titleEdit_->text();
    name = nameEdit_->text();
    remarks = remarksEdit_->toPlainText();
    if (timeEdit_) {
        const QDate d = dateEdit_->date();
        const QTime t = timeEdit_->time();
        DateParts p{d.isValid() ? d.year() : -1,   d.isValid() ? d.month() : -1,
                    d.isValid() ? d.day() : -1,    t.isValid() ? t.hour() : -1,
                    t.isValid() ? t.minute() : -1, t.isValid() ? t.second() : -1};
        date = OleDate::FromParts(p);
    } else {
        // The date is edited; the time of day stays what it was.
        const QDateTime old = ToQDateTime(date);
        date = FromQDateTime(QDateTime(dateEdit_->date(), old.isValid() ? old.time() : QTime(0, 0)));
    }
    QDialog::accept();
}

} // namespace vordalis
