#pragma once
// Title and remarks of cover-meter objects (dialog 132): title and name up to 19 characters,
// remarks up to 79, and the date (the time of day is kept).
#include "model/OleDate.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace vordalis {

class CTitleDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTitleLimit = 19, kNameLimit = 19, kRemarksLimit = 79;

    explicit CTitleDlg(QWidget* parent = nullptr);

    // Filled by the caller before exec(), read after OK. A new dialog holds empty texts and
    // the current date and time.
    QString title, name, remarks;
    OleDate date = OleDate::Now();

    int exec() override;
    void accept() override;

private:
    QLineEdit* titleEdit_;
    QDateEdit* dateEdit_;
    QLineEdit* nameEdit_;
    QPlainTextEdit* remarksEdit_;
};

// "Enter no more than %1 characters." and the focus on the edit; false when text is too long.
bool CheckTextLimit(QWidget* dialog, QWidget* edit, const QString& text, int limit);

} // namespace vordalis
