#pragma once
// The viewer's own title and remarks dialog, in the cover form (132) for cover objects and in
// the rebound form (147) for rebound objects. Registered as the fallback title slot of every
// type, so the main view and the summary's detail view open the same one.

namespace vordalis {

class TBasicObj;
struct DialogContext;

// True when the user confirmed and the object took the new texts and date.
bool RunTitleAndRemarks(TBasicObj& obj, DialogContext& context);

} // namespace vordalis
