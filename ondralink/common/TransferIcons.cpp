#include "ondralink/common/TransferIcons.h"

static void InitTransferIcons() {
    Q_INIT_RESOURCE(transfer_icons);
}

namespace vordalis {
namespace {

QIcon Icon(const char* name) {
    InitTransferIcons();
    return QIcon(QStringLiteral(":/transfer/") + QLatin1String(name));
}

} // namespace

QVector<QIcon> TreeImages(transfer::TransferDialogLogic::Program program) {
    const QIcon root = Icon("instrument.svg");
    const QIcon closed = Icon("folder-closed.svg");
    const QIcon open = Icon("folder-open.svg");
    const QIcon object = Icon("object.svg");
    const QIcon saved =
        program == transfer::TransferDialogLogic::Program::Tool ? Icon("object-saved.svg") : object;
    return {root, closed, object, object, open, saved, saved};
}

QIcon ProgramIcon(transfer::TransferDialogLogic::Program program) {
    return Icon(program == transfer::TransferDialogLogic::Program::Tool ? "ondralink.svg" : "tamlo.svg");
}

} // namespace vordalis
