#include "tamlo/CTamloDlg.h"

#include "ondralink/common/BusyIndicator.h"
#include "transfer/Messages.h"
#include "transfer/ObjectPool.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vordalis {

CTamloDlg::CTamloDlg(std::string tick, QWidget* parent)
    : TransferDialog(Program::Loader, QApplication::font().family(), 8, parent), tick_(std::move(tick)) {
    setObjectName(QStringLiteral("CTamloDlg"));
    PlaceSharedControls(354);
    serial_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    version_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    abort_->setGeometry(Dlu(284, 100, 70, 15));
    close_->setGeometry(Dlu(284, 125, 70, 15));
    setFixedSize(Dlu(0, 0, 362, 151).size());
}

bool CTamloDlg::Initialise() {
    setWindowTitle(
        QString::fromStdString(transfer::Text(transfer::Msg::Load, transfer::LanguageFromSettings())) +
        QLatin1Char(' ') + QLatin1String(kVersion));
    abort_->setEnabled(false);
    if (!TransferDialog::Initialise()) return false;
    if (!tick_.empty()) {
        // The pool belongs to the link's thread.
        Request([this] {
            transfer::TransferEngine* engine = Logic().Engine();
            if (!engine || !engine->Pool().Valid()) return;
            transfer::ObjectPool& pool = engine->Pool();
            const int node = pool.FindObject(tick_);
            if (node >= 0) pool.TickItem(node, true);
        });
    }
    return true;
}

} // namespace vordalis
