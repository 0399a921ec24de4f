// The cover dialogs in the viewer: "Limit and Range" and "Cover acceptance" for the cover objects
// (types 1 to 3) and
// "Modify value" for every object that has no dialog of its own.
#include "cover/CoverLimitFlow.h"
#include "cover/ui/CCoverAcceptanceDlg.h"
#include "cover/ui/CLimitDlg.h"
#include "cover/ui/CModifyDlg.h"
#include "dialogs/ObjectDialogs.h"
#include "model/Codec.h"
#include "text/Utf16.h"

namespace vordalis {
namespace {

bool RunCoverLimitDialog(TBasicObj& obj, DialogContext& context) {
    LimitDialogState state = PrepareLimitDialog(obj, context.viewOptions);
    CLimitDlg dlg(state, context.parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    ApplyLimitDialog(obj, state, context.viewOptions);
    return true;
}

std::optional<double> RunModifyDialog(const ModifyValueRequest& request, DialogContext& context) {
    ModifyDialogState state;
    state.SetMode(request.editFlags, U16ToUtf8(request.unit), request.mmScale, request.precision);
    state.SetX(request.x);
    state.SetY(request.y);
    state.SetValue(static_cast<float>(request.value));
    state.SetRange(static_cast<float>(request.minValue), static_cast<float>(request.maxValue));
    CModifyDlg dlg(state, context.parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return state.GetValue();
}

void RunCoverAcceptance(TBasicObj& obj, DialogContext& context) {
    CCoverAcceptanceDlg dlg(obj, context.parent);
    dlg.exec();
}

} // namespace

void RegisterCoverDialogs() {
    ObjectDialogs cover;
    cover.limitAndRange = &RunCoverLimitDialog;
    cover.coverAcceptance = &RunCoverAcceptance;
    for (int type : {kTypeCoverList, kTypeCoverBars, kTypeCoverRaster}) RegisterObjectDialogs(type, cover);
    ObjectDialogs any;
    any.modifyValue = &RunModifyDialog;
    RegisterObjectDialogs(kAnyType, any);
}

} // namespace vordalis
