#include "rebound/ui/JgjDialogs.h"

#include "dialogs/ObjectDialogs.h"
#include "rebound/TTorvDir.h"
#include "rebound/ui/CDetailview.h"
#include "rebound/ui/CSelectSummery.h"
#include "rebound/ui/CTorvFensterChina.h"

namespace vordalis {

void RegisterJgjDialogs() {
    ObjectDialogs china;
    china.settings = [](TBasicObj& obj, DialogContext& c) { return RunChinaSettings(obj, c.parent); };
    RegisterObjectDialogs(kTypeReboundChina, china);

    ObjectDialogs summary;
    summary.detailView = &RunDetailView;
    summary.memberTitle = [](const TBasicObj& obj, int member) -> std::u16string {
        const auto& dir = static_cast<const TTorvDir&>(obj);
        if (member < 1 || member > dir.PositionCount()) return {};
        return dir.members[static_cast<size_t>(member - 1)]->title;
    };
    summary.summaryKind = [](const TBasicObj& obj) { return static_cast<const TTorvDir&>(obj).kind; };
    RegisterObjectDialogs(kTypeReboundSummary, summary);

    RegisterSummaryBuilder(&RunSummaryBuilder);
}

} // namespace vordalis
