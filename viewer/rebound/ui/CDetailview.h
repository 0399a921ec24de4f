#pragma once
// The detail view of a summary member (153, "Detail view"): the member's own page, scrolled,
// and a double click that opens the member's title, limit or settings dialog by the region it
// hits. It remembers whether the member changed, so the caller can offer to write it back.
#include <QDialog>

class QScrollArea;

namespace vordalis {

class TBasicObj;
struct DialogContext;

class CDetailview : public QDialog {
    Q_OBJECT
public:
    CDetailview(TBasicObj& member, DialogContext& context, QWidget* parent = nullptr);
    bool Changed() const { return changed_; }

    // Opens the dialog of the region under a page point (logical units); true when the member
    // took new values.
    bool OpenRegion(int x, int y);

private:
    TBasicObj& member_;
    DialogContext& context_;
    QScrollArea* scroll_;
    QWidget* page_;
    bool changed_ = false;
};

// The summary's detail view slot: shows member `member` and, after a change, asks to write it
// back to its own file. True when the member changed.
bool RunDetailView(TBasicObj& summary, int member, DialogContext& context);

} // namespace vordalis
