// The loader and the transfer tool asked for their picture (VORDALIS_SCREENSHOT), run as
// processes against the simulated instrument: the PNG of the dialog with the instrument's
// tree, its name and size on stdout; a name that is not a PNG's is refused.
#include "ondralink/TransferFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>

using namespace transfer_test;

namespace {

struct Run {
    int status = -1; // -1: killed, or still running after the time-out
    QString out, err;
    qint64 ms = 0;
};

// program with this test's environment (settings, runtime and temporary folder, serial ports)
// and VORDALIS_SCREENSHOT=picture.
Run RunForPicture(const QString& program, const QString& picture) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VORDALIS_SCREENSHOT"), picture);
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    Run run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    else
        process.kill();
    run.ms = clock.elapsed();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// How many colours the picture has inside rect: a tree with items shows text and icons, an
// empty one only its background.
int Colours(const QImage& image, const QRect& rect) {
    QSet<QRgb> seen;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

class TransferPictureTest : public QObject {
    Q_OBJECT

    QTemporaryDir out_;

private slots:
    void init() {
        vordalis::settings::WriteDword(vordalis::settings::kLanguage, 0);
        vordalis::settings::WriteString(vordalis::settings::kDataFolder, out_.path().toStdU16String());
    }

    void picture_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("tamlo") << QStringLiteral(TAMLO_PROGRAM);
        QTest::newRow("ondralink") << QStringLiteral(ONDRALINK_PROGRAM);
    }

    // Taken once the tree is read, printed as "PATH WxH", of that size.
    void picture() {
        QFETCH(QString, program);
        QTemporaryDir store;
        WriteFile(store.path() + "/100123.vdo", Sample("list_metric.vdo"));
        WriteFile(store.path() + "/MEAS/300202.vdo", Sample("raster_metric.vdo"));
        Instrument instrument(store.path());
        const QString path = out_.filePath(QFileInfo(program).fileName() + ".png");
        const Run run = RunForPicture(program, path);
        QVERIFY2(run.status == 0, qPrintable(QString("status %1: %2").arg(run.status).arg(run.err)));
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        // Not after the longest wait for an instrument (8 s): the tree was seen to be read.
        QVERIFY2(run.ms < 7500, qPrintable(QString("%1 ms").arg(run.ms)));

        const QRegularExpressionMatch line =
            QRegularExpression(QStringLiteral("^(.+) (\\d+)x(\\d+)\n$")).match(run.out);
        QVERIFY2(line.hasMatch(), qPrintable(run.out));
        QCOMPARE(line.captured(1), path);
        const QImage image(path);
        QCOMPARE(image.size(), QSize(line.captured(2).toInt(), line.captured(3).toInt()));
        QVERIFY(image.width() > 300 && image.height() > 150);
        // The names of the objects below the tree's root: without an instrument the root stands
        // alone, with no name, and this stretch is blank.
        QVERIFY(Colours(image, QRect(90, 45, 100, 55)) > 4);
    }

    void notAPictureName_data() { picture_data(); }
    // Refused before anything is shown: status 2, a message, no file.
    void notAPictureName() {
        QFETCH(QString, program);
        const QString path = out_.filePath(QStringLiteral("shot.jpg"));
        const Run run = RunForPicture(program, path);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("must end in .png")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(path));
    }
};

int main(int argc, char** argv) {
    IsolateEnvironment();
    QCoreApplication app(argc, argv);
    vordalis::UseQSettingsBackend();
    TransferPictureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TransferPictureTest.moc"
