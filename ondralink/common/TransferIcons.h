#pragma once
// The icons of the transfer programs: the seven tree images of each program and the
// programs' own icons.
#include "ondralink/common/TransferDialogLogic.h"

#include <QIcon>
#include <QVector>

namespace vordalis {

// Root, closed folder, object, object with extension, open folder, saved object, saved object
// with extension. The loader shows saved objects like any other object.
QVector<QIcon> TreeImages(transfer::TransferDialogLogic::Program program);
QIcon ProgramIcon(transfer::TransferDialogLogic::Program program);

} // namespace vordalis
