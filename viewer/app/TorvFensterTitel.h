#pragma once
// Title and remarks of rebound-hammer objects (dialog 147): title and name up to 20
// characters, remarks up to 80, date and time of day. changed tells whether OK was pressed.
#include "model/OleDate.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace vordalis {

class TorvFensterTitel : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTitleLimit = 20, kNameLimit = 20, kRemarksLimit = 80;

    explicit TorvFensterTitel(QWidget* parent = nullptr);

    QString title, name, remarks;
    OleDate date = OleDate::Now();
    bool changed = false;

    int exec() override;
    void accept() override;
    void reject() override;

private:
    QLineEdit* titleEdit_;
    QDateEdit* dateEdit_;
    QTimeEdit* timeEdit_;
    QLineEdit* nameEdit_;
    QPlainTextEdit* remarksEdit_;
};

} // namespace vordalis
