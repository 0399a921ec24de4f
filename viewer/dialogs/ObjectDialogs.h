#pragma once
// The hook through which the per-type dialogs plug into the viewer.
//
// The view decides *when* a dialog opens (Edit commands, double-clicks on the page); the
// dialog libraries decide *what* opens for their object types. A dialog library (for
// example vordalis_cover_ui for types 1-3, vordalis_rebound_ui for types 6-8) provides a
// registration function that calls RegisterObjectDialogs once per object type it serves:
//
//     void vordalis::RegisterCoverDialogs() {
//         ObjectDialogs d;
//         d.limitAndRange = &RunCoverLimitDialog;
//         d.modifyValue = &RunModifyDialog;
//         for (int type : {1, 2, 3}) RegisterObjectDialogs(type, d);
//     }
//
// Registering again for a type merges: the slots that are set replace the earlier ones, the
// empty ones keep what was there, so two libraries may serve different slots of one type.
// kAnyType registers a fallback used for every type that has no slot of its own (the
// modify-value dialog is the same for every object).
//
// The application calls RegisterCoverDialogs() / RegisterReboundDialogs() (declared below,
// defined by the libraries) once at start, before any file is opened. Dialog libraries link
// vordalis_dialog_hooks.
//
// Every slot is modal and works on copies: the object changes only when the user confirms.
// A slot that is not set means the command does nothing for that type (the view beeps where
// a beep is due). Title and remarks has a built-in dialog in the viewer; a library only sets
// titleAndRemarks to replace it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vordalis {

class TBasicObj;

// What the view hands to a dialog besides the object.
struct DialogContext {
    QWidget* parent = nullptr;
    // The view's current display options word. The cover limit dialog writes its two
    // initial-setting check boxes into bits 13 and 14 here.
    int32_t viewOptions = 0;
    bool mmScale = false;
};

// The modify-value dialog's input, prepared by the view from the object under the mouse.
struct ModifyValueRequest {
    int editFlags = 0;     // GetEditFlags
    std::u16string unit;   // "mm", "in" or "ft"
    bool mmScale = false;  // metric objects only
    int precision = 0;     // decimals shown: 0 metric, 2 imperial
    double x = -1, y = -1; // position of the value
    double value = 0;      // in the unit above
    double minValue = 0;   // accepted range, in the unit above
    double maxValue = 0;
};

struct ObjectDialogs {
    // Limit and range (command 2008, double-click on the limit block). True when the user
    // confirmed and the object took new limits (the view then marks the document modified
    // and repaints). May update context.viewOptions.
    std::function<bool(TBasicObj& obj, DialogContext& context)> limitAndRange;
    // Settings (command 2022, double-click on the settings block). True when the object changed.
    std::function<bool(TBasicObj& obj, DialogContext& context)> settings;
    // Cover acceptance: judges the object's covers against a design cover; changes nothing.
    std::function<void(TBasicObj& obj, DialogContext& context)> coverAcceptance;
    // Replaces the built-in title dialogs. True when the object changed.
    std::function<bool(TBasicObj& obj, DialogContext& context)> titleAndRemarks;
    // Detail view of summary member `member` (0-based), opened by a double-click on its row.
    // True when something changed (the view repaints either way).
    std::function<bool(TBasicObj& obj, int member, DialogContext& context)> detailView;
    // The modify-value dialog: the new value in the request's unit, or nothing on Cancel.
    std::function<std::optional<double>(const ModifyValueRequest& request, DialogContext& context)>
        modifyValue;

    // Status read-out of summaries (type 7): the title of member `member` (1-based, as the
    // read-out reports it) and the summary's kind (6 or 8), which picks the value format.
    std::function<std::u16string(const TBasicObj& obj, int member)> memberTitle;
    std::function<int(const TBasicObj& obj)> summaryKind;
};

inline constexpr int kAnyType = -1;

// Merges the set slots of dialogs into the registration of type (or kAnyType).
void RegisterObjectDialogs(int type, const ObjectDialogs& dialogs);
// The dialogs for type: its own slots, empty ones filled from the kAnyType registration.
ObjectDialogs FindObjectDialogs(int type);
// Forgets every registration (tests).
void ClearObjectDialogs();

// Create Summary (command 2018): builds a summary and leaves it as "dir.vdo" in the
// temporary folder. Returns false on failure or Cancel; title gets the summary's title.
using SummaryBuilder = std::function<bool(QWidget* parent, std::u16string& title)>;
void RegisterSummaryBuilder(SummaryBuilder builder);
const SummaryBuilder& FindSummaryBuilder();

// What a reader says while an object opens (a summary names a member it leaves out), in a
// message box over the active window: the viewer's ReadNotice.
void ShowReadNotice(const std::u16string& text);

// Defined by the dialog libraries (see above).
void RegisterCoverDialogs();
void RegisterReboundDialogs();

} // namespace vordalis
