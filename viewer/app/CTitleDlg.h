#pragma once
// Title and remarks of an object, in the form of its family. The cover dialog (132) takes a
// title and a name of up to 19 characters and remarks of up to 79 and edits the date (the
// time of day is kept); a longer text from a file stays until the user shortens it, and OK
// waits until it fits. The rebound dialog (147) takes 20 and 80 characters, cuts longer
// texts when it opens, and edits the time of day too. Only the cover dialog's labels carry
// access keys.
#include "model/OleDate.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;

namespace vordalis {

class CTitleDlg : public QDialog {
    Q_OBJECT
public:
    enum class Family { Cover, Rebound };
    struct Limits {
        int title, name, remarks;
    };
    static constexpr Limits kCoverLimits{19, 19, 79};
    static constexpr Limits kReboundLimits{20, 20, 80};

    explicit CTitleDlg(Family family, QWidget* parent = nullptr);

    Family GetFamily() const { return family_; }

    // Filled by the caller before exec(), read after OK. A new dialog holds empty texts and
    // the current date and time.
    QString title, name, remarks;
    OleDate date = OleDate::Now();

    int exec() override;
    void accept() override;

private:
    const Family family_;
    const Limits limits_;
    QLineEdit* titleEdit_;
    QDateEdit* dateEdit_;
    QTimeEdit* timeEdit_ = nullptr; // the rebound dialog's
    QLineEdit* nameEdit_;
    QPlainTextEdit* remarksEdit_;
};

} // namespace vordalis
