#pragma once
// The viewer's transfer commands. Load starts the loader from the viewer's own folder, waits
// for it and adopts the object it leaves in "Tamlo.vdo"; Run Ondralink starts the transfer
// tool and waits. While a program runs the window is disabled but keeps painting.
#include "model/TBasicObj.h"

#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace vordalis {

class CNexoloDoc;

// The transfer commands of one main window.
class TransferCommands {
public:
    // Whether a transfer program held the "OndralinkRunning" lock is decided when the window is
    // made; the commands then stay disabled.
    TransferCommands();
    bool RanAtStart() const { return ranAtStart_; }

    // 5 while a transfer program runs, 4 right after; each tick of the view's timer counts 1..4
    // down, so that a second start is refused for a while.
    int Busy() const { return busy_; }
    void Tick() {
        if (busy_ >= 1 && busy_ <= 4) --busy_;
    }

    // extraArguments follow the loader's usual argument.
    void Load(QWidget* window, CNexoloDoc& doc, const QStringList& extraArguments = {});
    void RunOndralink(QWidget* window);

private:
    bool Blocked() const;

    bool ranAtStart_;
    int busy_ = 0;
};

// Starts program from the viewer's folder and waits for its end with window disabled. False
// when it could not be started.
bool RunProgramAndWait(QWidget* window, const QString& program, const QStringList& arguments);

} // namespace vordalis
