// render-icon: a build step that renders an SVG icon as square PNGs of the usual hicolor sizes.
//   render-icon ICON.svg OUT_FOLDER NAME SIZE...   writes OUT_FOLDER/<SIZE>x<SIZE>/apps/NAME.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: render-icon ICON.svg OUT_FOLDER NAME SIZE...\n");
        return 2;
    }
    // Builds run without a display, and the platform's notes are no business of a build log.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: %s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "render-icon: %s: not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        const QString out = dir + "/" + name + ".png";
        if (!QDir().mkpath(dir) || !image.save(out, "PNG")) {
            std::fprintf(stderr, "render-icon: %s: cannot be written\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
