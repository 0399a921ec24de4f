#pragma once
// Registration of the China-standard and summary dialogs with the viewer's dialog hook: the
// China settings dialog, the detail view of summary members, the summaries' read-out texts
// and the summary builder of Create Summary.
namespace vordalis {

void RegisterJgjDialogs();

} // namespace vordalis
