#pragma once
// What the transfer dialogs' logic asks of its window. The Qt dialogs implement it; the logic
// itself stays free of any toolkit. The logic calls it from the link's thread: updates reach
// the window in the order they were given, and ShowMessage and the tree's answers wait for it.
#include "transfer/TreeControl.h"

#include <functional>
#include <string>
#include <vector>

namespace vordalis::transfer {

enum class MessageIcon { None, Error, Exclamation, Question };
enum class MessageButtons { Ok, RetryCancel, YesNo };
enum class MessageAnswer { Ok, Retry, Cancel, Yes, No };

class DialogView {
public:
    virtual ~DialogView() = default;

    // The dialog's own message box: stops timer 1 while it is open, beeps, restarts the timer.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons) = 0;
    virtual void Beep() = 0;

    virtual TreeControl& Tree() = 0;
    // Rows of the port list and the selected row (-1: none).
    virtual void SetPortRows(const std::vector<std::string>& rows, int selected) = 0;
    virtual void SetInstrument(const std::string& name, const std::string& serial,
                               const std::string& version) = 0;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void SetLink(const std::string& text) = 0;
    virtual void SetButtons(bool saveEnabled, bool abortEnabled) = 0;
    virtual void AdvanceBusy() = 0;
    virtual void ClearBusy() = 0;

    virtual void StopTimer1() = 0;
    virtual void StartTimer1() = 0;
    virtual void StopAllTimers() = 0;
    virtual void FocusAbort() = 0;
    virtual void FocusClose() = 0;
    // Ends the dialog (after the logic has done its closing work).
    virtual void EndDialog() = 0;
    // Runs apply on the window's thread after the updates given before it.
    virtual void Publish(std::function<void()> apply) { apply(); }
};

} // namespace vordalis::transfer
