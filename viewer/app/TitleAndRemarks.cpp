#include "app/TitleAndRemarks.h"

#include "app/CTitleDlg.h"
#include "dialogs/ObjectDialogs.h"
#include "model/TBasicObj.h"

#include <QString>

namespace vordalis {

bool RunTitleAndRemarks(TBasicObj& obj, DialogContext& context) {
    CTitleDlg dlg(obj.type < kTypeReboundSeries ? CTitleDlg::Family::Cover : CTitleDlg::Family::Rebound,
                  context.parent);
    dlg.title = QString::fromStdU16String(obj.title);
    dlg.name = QString::fromStdU16String(obj.name);
    dlg.remarks = QString::fromStdU16String(obj.remarks);
    dlg.date = obj.GetDate();
    if (dlg.exec() != QDialog::Accepted) return false;
    obj.SetTitle(dlg.title.toStdU16String());
    obj.SetName(dlg.name.toStdU16String());
    obj.SetRemarks(dlg.remarks.toStdU16String());
    obj.SetDate(dlg.date);
    return true;
}

} // namespace vordalis
