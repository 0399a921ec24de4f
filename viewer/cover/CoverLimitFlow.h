#pragma once
// How the view drives the "Limit and Range" dialog for the cover objects (types 1 to 3):
// the dialog is filled from the object's limits, shown in mm or, for imperial objects, in
// inches, and its result is handed back to the object on OK.
#include "cover/LimitDialogState.h"
#include "model/TBasicObj.h"

namespace vordalis {

LimitDialogState PrepareLimitDialog(TBasicObj& obj, int32_t viewOptions);
// Sets the object's limit and range from the dialog and the two initial-setting bits of the
// view's options word.
void ApplyLimitDialog(TBasicObj& obj, const LimitDialogState& dialog, int32_t& viewOptions);

} // namespace vordalis
