#include "app/TransferCommands.h"

#include "app/CNexoloDoc.h"
#include "model/Strings.h"
#include "runninglock/RunningLock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>

namespace vordalis {
namespace {

constexpr int kBusyRunning = 5;
constexpr int kBusyCooling = 4;

} // namespace

TransferCommands::TransferCommands() : ranAtStart_(RunningLock::IsHeld()) {}

bool TransferCommands::Blocked() const {
    return busy_ != 0 || RunningLock::IsHeld();
}

bool RunProgramAndWait(QWidget* window, const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(QDir(QCoreApplication::applicationDirPath()).filePath(program));
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1)) return false;
    // The viewer keeps painting but takes no input until the program has ended.
    if (window) window->setEnabled(false);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
    if (window) window->setEnabled(true);
    return true;
}

void TransferCommands::Load(QWidget* window, CNexoloDoc& doc, const QStringList& extraArguments) {
    if (Blocked()) return;
    busy_ = kBusyRunning;
    const QString result = QDir(QDir::tempPath()).filePath(QStringLiteral("Tamlo.vdo"));
    // The loader ignores this argument; it is passed as it always was.
    if (!RunProgramAndWait(window, QStringLiteral("tamlo"),
                           QStringList{QStringLiteral("Vernoskant5")} + extraArguments))
        QMessageBox::warning(window, QApplication::applicationDisplayName(),
                             QString::fromStdU16String(LoadString(Str::LoaderFailed)));
    busy_ = kBusyCooling;
    if (!QFileInfo::exists(result)) {
        // Nothing loaded, or the load was cancelled.
        QApplication::beep();
        return;
    }
    if (!doc.SaveModified(window)) return;
    if (!doc.AdoptTemporaryFile(result, QString(), window) || !doc.Object()) {
        QApplication::beep();
        return;
    }
    doc.SetTitle(QString::fromStdU16String(doc.Object()->LoadedTitle()));
    doc.SetModifiedFlag(true);
    doc.UpdateAllViews();
}

void TransferCommands::RunOndralink(QWidget* window) {
    if (ranAtStart_ || busy_ != 0) return;
    busy_ = kBusyRunning;
    if (!RunProgramAndWait(window, QStringLiteral("ondralink"), {}))
        QMessageBox::warning(window, QApplication::applicationDisplayName(),
                             QString::fromStdU16String(LoadString(Str::TransferToolFailed)));
    busy_ = kBusyCooling;
}

} // namespace vordalis
