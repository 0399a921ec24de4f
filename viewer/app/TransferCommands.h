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

// A transfer program held the "OndralinkRunning" lock when the viewer's window was made (the
// first call decides); the commands then stay disabled.
bool TransferRanAtStart();

// Starts program from the viewer's folder and waits for its end with window disabled. False
// when it could not be started.
bool RunProgramAndWait(QWidget* window, const QString& program, const QStringList& arguments);

// extraArguments follow the loader's usual argument.
void OnLoadFromInstrument(QWidget* window, CNexoloDoc& doc, const QStringList& extraArguments = {});
void OnRunOndralink(QWidget* window);

} // namespace vordalis
