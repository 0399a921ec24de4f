// vordalis-shot run as a process: it writes its PNG and nothing else, whatever the arguments.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below a folder with a digest of its content.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString path = it.next();
        files[path] = QCryptographicHash::hash(Bytes(path), QCryptographicHash::Sha1);
    }
    return files;
}

} // namespace

class ScreenshotToolTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QTemporaryDir cache_; // the system libraries' caches (fonts) are not the tool's writing
    QString work_, config_;

    struct Run {
        int status = -1;
        QString err;
    };
    // The tool (or the viewer, with picture set) in a scratch working folder, with a home and
    // a settings folder of its own.
    Run Shot(const QStringList& args, const QString& program = VORDALIS_SHOT, const QString& picture = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home_.path());
        env.insert("XDG_CONFIG_HOME", config_);
        env.insert("XDG_CACHE_HOME", cache_.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!picture.isEmpty()) env.insert("VORDALIS_SCREENSHOT", picture);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work_);
        p.start(program, args);
        Run r;
        if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

private slots:
    void init() {
        QDir(home_.path()).removeRecursively();
        QDir().mkpath(home_.path());
        work_ = home_.filePath("work");
        config_ = home_.filePath("config");
        QDir().mkpath(work_);
        QDir().mkpath(config_ + "/Morvex");
        QVERIFY(QFile::copy(VORDALIS_SAMPLES "/list_metric.vdo", work_ + "/list.vdo"));
        QVERIFY(QFile::copy(VORDALIS_SAMPLES "/list_metric.vdo", work_ + "/object.png"));
        // The user's own settings: French, one recent file, a placement.
        QFile conf(config_ + "/Morvex/Vordalis.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Settings]\nLanguage=1\n\n[Recent%20File%20List]\nFile1=/somewhere/a.vdo\n");
    }

    // Arguments that would make it write anywhere but a new PNG are refused and change nothing.
    void refusesWhatIsNotItsPicture_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("object file as the only argument")
            << QStringList{"list.vdo"} << 2 << "must end in .png";
        QTest::newRow("object first, picture second")
            << QStringList{"list.vdo", "out.png"} << 2 << "must end in .png";
        QTest::newRow("absolute object path first")
            << QStringList{"@/list.vdo", "--language", "3"} << 2 << "must end in .png";
        QTest::newRow("picture name not .png")
            << QStringList{"out.jpg", "list.vdo"} << 2 << "must end in .png";
        QTest::newRow("the input as the output")
            << QStringList{"object.png", "object.png"} << 2 << "not overwritten";
        QTest::newRow("the input by another path")
            << QStringList{"object.png", "@/object.png"} << 2 << "not overwritten";
        QTest::newRow("missing input") << QStringList{"out.png", "gone.vdo"} << 1 << "gone.vdo";
        QTest::newRow("two inputs") << QStringList{"out.png", "list.vdo", "object.png"} << 2
                                    << "unexpected argument";
        QTest::newRow("bad size") << QStringList{"out.png", "--size", "wide", "list.vdo"} << 2 << "--size";
    }
    void refusesWhatIsNotItsPicture() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        for (QString& a : args) a.replace("@", work_);
        auto before = Snapshot(home_.path());
        Run r = Shot(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(Snapshot(home_.path()), before);
    }

    // The viewer's own picture switch keeps to the same rules before it opens any window.
    void viewerRefusesAPictureThatIsNotAPicture_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("the object file") << "@/list.vdo"
                                         << "@/list.vdo"
                                         << "must end in .png";
        QTest::newRow("not .png") << "shot.jpg"
                                  << "@/list.vdo"
                                  << "must end in .png";
        QTest::newRow("the shown file") << "@/object.png"
                                        << "object.png"
                                        << "not overwritten";
    }
    void viewerRefusesAPictureThatIsNotAPicture() {
        QFETCH(QString, picture);
        QFETCH(QString, file);
        QFETCH(QString, message);
        picture.replace("@", work_);
        file.replace("@", work_);
        auto before = Snapshot(home_.path());
        Run r = Shot({file}, VORDALIS_VIEWER, picture);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(Snapshot(home_.path()), before);
    }

    void writesOnlyItsPicture() {
        auto before = Snapshot(home_.path());
        Run r = Shot({"shot.png", "--language", "3", work_ + "/list.vdo"});
        QCOMPARE(r.status, 0);
        auto after = Snapshot(home_.path());
        QImage shot(work_ + "/shot.png");
        QCOMPARE(shot.size(), QSize(1000, 760));
        // The picture is new; the object, the user's settings and everything else are as they were.
        QVERIFY(after.remove(work_ + "/shot.png"));
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(ScreenshotToolTest)
#include "ScreenshotToolTest.moc"
