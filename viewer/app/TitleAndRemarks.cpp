#include "app/TitleAndRemarks.h"

#include "app/CTitleDlg.h"
#include "app/TorvFensterTitel.h"
#include "dialogs/ObjectDialogs.h"
#include "model/TBasicObj.h"

#include <QString>

namespace vordalis {

namespace {

// Both title dialogs work on copies of title, name, remarks and date.
template <class Dialog> void FillTitleDialog(Dialog& dlg, const TBasicObj& obj) {
    dlg.title = QString::fromStdU16String(obj.title);
    dlg.name = QString::fromStdU16String(obj.name);
    dlg.remarks = QString::fromStdU16String(obj.remarks);
    dlg.date = obj.GetDate();
}

template <class Dialog> void TakeTitleDialog(const Dialog& dlg, TBasicObj& obj) {
    obj.SetTitle(dlg.title.toStdU16String());
    obj.SetName(dlg.name.toStdU16String());
    obj.SetRemarks(dlg.remarks.toStdU16String());
    obj.SetDate(dlg.date);
}

} // namespace

bool RunTitleAndRemarks(TBasicObj& obj, DialogContext& context) {
    if (obj.type < kTypeReboundSeries) {
        CTitleDlg dlg(context.parent);
        FillTitleDialog(dlg, obj);
        if (dlg.exec() != QDialog::Accepted) return false;
        TakeTitleDialog(dlg, obj);
        return true;
    }
    TorvFensterTitel dlg(context.parent);
    FillTitleDialog(dlg, obj);
    dlg.exec();
    if (!dlg.changed) return false;
    TakeTitleDialog(dlg, obj);
    return true;
}

} // namespace vordalis
