#pragma once
// The About box: program name, version and OK.
#include <QDialog>

namespace vordalis {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace vordalis
