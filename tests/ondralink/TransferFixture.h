#pragma once
// What the transfer dialog tests share: a private settings, runtime and temporary folder for
// the test process, the simulated instrument as a child process on a pseudo-terminal, and a
// message-box stand-in that records what the dialogs say.
#include "ondralink/common/TransferDialog.h"
#include "settings/Settings.h"
#include "settings/qt/QSettingsBackend.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

namespace transfer_test {

// Call before QApplication exists: settings, lock and temporary files go to private folders.
inline QTemporaryDir& IsolateEnvironment() {
    static QTemporaryDir root;
    for (const char* sub : {"config", "runtime", "tmp"}) QDir(root.path()).mkpath(QLatin1String(sub));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("TMPDIR", root.filePath(QStringLiteral("tmp")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return root;
}

// The simulated instrument serving the files below store; the device it serves on becomes
// the only serial port of this process.
class Instrument {
public:
    explicit Instrument(const QString& store, QStringList options = {}) {
        process_.setProgram(QStringLiteral(INSTRUMENT_SIM));
        process_.setArguments(QStringList{QStringLiteral("--store"), store} + options);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromUtf8(process_.readLine()).trimmed();
        qputenv("VORDALIS_SERIAL_PORTS", device_.toUtf8());
    }
    ~Instrument() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(1000);
    }
    const QString& Device() const { return device_; }

private:
    QProcess process_;
    QString device_;
};

struct Message {
    std::string text;
    vordalis::transfer::MessageIcon icon;
    vordalis::transfer::MessageButtons buttons;
};

// Records every message box and answers from a list (then Cancel / No / OK).
class MessageRecorder {
public:
    explicit MessageRecorder(std::vector<vordalis::transfer::MessageAnswer> answers = {})
        : answers_(answers) {}
    // Answers the dialog's messages from now on; the recorder must outlive the dialog.
    void Attach(vordalis::TransferDialog& dialog) {
        dialog.SetMessageHook([this](const std::string& text, vordalis::transfer::MessageIcon icon,
                                     vordalis::transfer::MessageButtons buttons) {
            messages.push_back({text, icon, buttons});
            if (next_ < answers_.size()) return answers_[next_++];
            using vordalis::transfer::MessageAnswer;
            using vordalis::transfer::MessageButtons;
            return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel
                   : buttons == MessageButtons::YesNo     ? MessageAnswer::No
                                                          : MessageAnswer::Ok;
        });
    }
    std::vector<Message> messages;

private:
    std::vector<vordalis::transfer::MessageAnswer> answers_;
    size_t next_ = 0;
};

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A sample object file of the repository.
inline QByteArray Sample(const QString& name) {
    return ReadFile(QStringLiteral(VORDALIS_SAMPLES "/") + name);
}

// The label the simulated cover instrument appends to every object it sends.
inline const QByteArray kLabel = "V5(12-7702;1.5)0";

// A cover instrument's store: a list numbered 100123, a raw bar scan 200101.B and, in folder
// MEAS, a raster 300202.
inline void FillCoverStore(const QString& store) {
    WriteFile(store + "/100123.vdo",
              Sample("list_metric.vdo").replace("Vernoskant5\t123\t", "Vernoskant5\t100123\t"));
    WriteFile(store + "/200101.B", Sample("bars_metric.vdo"));
    WriteFile(store + "/MEAS/300202.vdo", Sample("raster_metric.vdo"));
}

// Texts of the tree's items, depth first, indented by two spaces per level below the root.
inline QStringList TreeTexts(QTreeWidget* tree) {
    QStringList out;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
        out << QString(depth * 2, QLatin1Char(' ')) + item->text(0);
        for (int i = 0; i < item->childCount(); ++i) walk(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) walk(tree->topLevelItem(i), 0);
    return out;
}

inline QTreeWidgetItem* FindItem(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace transfer_test
