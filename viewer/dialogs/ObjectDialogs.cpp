#include "dialogs/ObjectDialogs.h"

#include <QApplication>
#include <QMessageBox>

#include <map>

namespace vordalis {
namespace {

std::map<int, ObjectDialogs>& Registry() {
    static std::map<int, ObjectDialogs> registry;
    return registry;
}

template <class F> void Merge(F& into, const F& from) {
    if (from) into = from;
}

SummaryBuilder& Builder() {
    static SummaryBuilder builder;
    return builder;
}

} // namespace

void RegisterObjectDialogs(int type, const ObjectDialogs& d) {
    ObjectDialogs& r = Registry()[type];
    Merge(r.limitAndRange, d.limitAndRange);
    Merge(r.coverAcceptance, d.coverAcceptance);
    Merge(r.settings, d.settings);
    Merge(r.titleAndRemarks, d.titleAndRemarks);
    Merge(r.detailView, d.detailView);
    Merge(r.modifyValue, d.modifyValue);
    Merge(r.memberTitle, d.memberTitle);
    Merge(r.summaryKind, d.summaryKind);
}

ObjectDialogs FindObjectDialogs(int type) {
    ObjectDialogs result;
    auto any = Registry().find(kAnyType);
    if (any != Registry().end()) result = any->second;
    auto own = Registry().find(type);
    if (type != kAnyType && own != Registry().end()) {
        Merge(result.limitAndRange, own->second.limitAndRange);
        Merge(result.coverAcceptance, own->second.coverAcceptance);
        Merge(result.settings, own->second.settings);
        Merge(result.titleAndRemarks, own->second.titleAndRemarks);
        Merge(result.detailView, own->second.detailView);
        Merge(result.modifyValue, own->second.modifyValue);
        Merge(result.memberTitle, own->second.memberTitle);
        Merge(result.summaryKind, own->second.summaryKind);
    }
    return result;
}

void ClearObjectDialogs() {
    Registry().clear();
    Builder() = nullptr;
}

void RegisterSummaryBuilder(SummaryBuilder builder) {
    Builder() = std::move(builder);
}

const SummaryBuilder& FindSummaryBuilder() {
    return Builder();
}

void ShowReadNotice(const std::u16string& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                             QString::fromStdU16String(text));
}

} // namespace vordalis
