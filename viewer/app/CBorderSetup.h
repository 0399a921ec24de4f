#pragma once
// Printer page borders (dialog 155): four whole-millimetre edits of at most 2 digits, shown
// from and written to "BorderTop", "BorderBottom", "BorderLeft", "BorderRight" (0.1 mm).
#include <QDialog>

#include <string>

class QLineEdit;

namespace vordalis {

class CBorderSetup : public QDialog {
    Q_OBJECT
public:
    explicit CBorderSetup(QWidget* parent = nullptr);

    // The leading decimal number of the first 4 characters of text; 0 when there is none.
    static int LeadingNumber(const QString& text);

    void accept() override;

private:
    void OnDefault();

    QLineEdit* edits_[4]; // top, bottom, left, right
};

} // namespace vordalis
