#include "ondralink/CTransferDlg.h"

#include "ondralink/common/BusyIndicator.h"
#include "transfer/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vordalis {

using transfer::Msg;
using transfer::Text;

CTransferDlg::CTransferDlg(QWidget* parent)
    : TransferDialog(Program::Tool, QApplication::font().family(), 11, parent) {
    setObjectName(QStringLiteral("CTransferDlg"));
    setWindowTitle(QStringLiteral("Ondralink ") + QLatin1String(kVersion));
    save_ = new QPushButton(QStringLiteral("Save a&ll"), this);
    save_->setObjectName(QStringLiteral("saveSelected"));
    saveIn_ = new QLabel(QStringLiteral("Save in:"), this);
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("folder"));
    browse_ = new QPushButton(QStringLiteral("&Browse"), this);
    browse_->setObjectName(QStringLiteral("browse"));
    for (QPushButton* b : {save_, browse_}) b->setAutoDefault(false);

    PlaceSharedControls(355);
    save_->setGeometry(Dlu(285, 100, 70, 15));
    abort_->setGeometry(Dlu(285, 120, 70, 15));
    saveIn_->setGeometry(Dlu(5, 145, 90, 10));
    folder_->setGeometry(Dlu(5, 155, 190, 15));
    browse_->setGeometry(Dlu(200, 155, 70, 15));
    close_->setGeometry(Dlu(285, 155, 70, 15));
    setFixedSize(Dlu(0, 0, 368, 182).size());

    folder_->installEventFilter(this);
    connect(save_, &QPushButton::clicked, this, [this] { Request([this] { Logic().OnSaveSelected(); }); });
    connect(browse_, &QPushButton::clicked, this, &CTransferDlg::Browse);
}

bool CTransferDlg::Initialise() {
    const int language = transfer::LanguageFromSettings();
    saveIn_->setText(QString::fromStdString(Text(Msg::SaveInLabel, language)));
    browse_->setText(QString::fromStdString(Text(Msg::BrowseLabel, language)));
    save_->setText(QString::fromStdString(Text(Msg::SaveSelectedLabel, language)));
    if (!TransferDialog::Initialise()) return false;
    ResetFolderField();
    return true;
}

bool CTransferDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == folder_ && !Logic().Closed()) {
        if (event->type() == QEvent::FocusIn) {
            Logic().OnFolderEditStart();
        } else if (event->type() == QEvent::FocusOut && Logic().Editing()) {
            const std::string shown = Logic().OnFolderEditEnd(folder_->text().toStdString());
            folder_->setText(QString::fromStdString(shown));
        }
    }
    return TransferDialog::eventFilter(watched, event);
}

void CTransferDlg::ResetFolderField() {
    folder_->setText(QString::fromStdString(Logic().DataFolder()));
}

void CTransferDlg::SetSaveEnabled(bool enabled) {
    if (!enabled && save_->hasFocus()) (abort_->isEnabled() ? abort_ : close_)->setFocus();
    save_->setEnabled(enabled);
}

void CTransferDlg::Browse() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QString(), QString::fromStdString(Logic().DataFolder()), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return;
    Logic().OnFolderChosen(chosen.toStdString());
    ResetFolderField();
}

} // namespace vordalis
