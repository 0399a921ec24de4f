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

CTamloDlg::CTamloDlg(QWidget* parent)
    : TransferDialog(Program::Loader, QApplication::font().family(), 8, parent) {
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
    // Scripted runs (tests, demonstrations) tick an object the way the user would:
    // VORDALIS_TAMLO_TICK holds its path below the root, e.g. MEAS\000123.
    const QByteArray tick = qgetenv("VORDALIS_TAMLO_TICK");
    if (!tick.isEmpty()) {
        // The pool belongs to the link's thread.
        Request([path = tick.toStdString()] {
            if (!transfer::IsPoolValid()) return;
            transfer::ObjectPool& pool = transfer::LibraryPool();
            const int node = pool.FindObject(path);
            if (node >= 0) pool.TickItem(node, true);
        });
    }
    return true;
}

} // namespace vordalis
