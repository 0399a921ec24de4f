// The QPainter canvas: mappings, fills, patterns, clipping and text placement on an image.
#include "canvas/QtCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>
#include <QtTest>

using namespace vordalis;

namespace {

// 254 dots per inch: one 0.1 mm unit is one pixel.
QtCanvas::Device Metric() {
    QtCanvas::Device d;
    d.dotsPerInch = 254;
    return d;
}

QRect InkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void fillsAndMappings() {
        for (bool screen : {false, true}) {
            QImage img(200, 100, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            QtCanvas::Device d = Metric();
            d.screenHeight = 1500 / 0.7 * 2; // two pixels per unit on the screen mapping
            QtCanvas c(p, d);
            c.SetMapping(screen ? Mapping::Screen : Mapping::Metric);
            c.FillRect({10, 10, 30, 20}, Brush::Solid(Rgb(255, 0, 0)));
            p.end();
            int k = screen ? 2 : 1;
            QCOMPARE(QColor(img.pixel(15 * k, 15 * k)), QColor(255, 0, 0));
            QCOMPARE(QColor(img.pixel(31 * k, 15 * k)), QColor(Qt::white));
            QCOMPARE(QColor(img.pixel(15 * k, 21 * k)), QColor(Qt::white));
        }
    }

    void patternClipAndLines() {
        QImage img(100, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QtCanvas c(p, Metric());
        c.SetMapping(Mapping::Metric);
        Pattern16 checker;
        for (int i = 0; i < 16; ++i) checker[i] = i % 2 ? 0xAAAA : 0x5555;
        c.SetClip({0, 0, 50, 100});
        c.FillRect({0, 0, 100, 40}, Brush::Hatch(checker, Rgb(0, 0, 255), kWhite));
        c.ClearClip();
        c.SetPen(Pen{PenStyle::Solid, 0, Rgb(0, 128, 0)});
        c.Line(0, 80, 99, 80);
        p.end();
        int blue = 0, white = 0;
        for (int x = 0; x < 16; ++x) (QColor(img.pixel(x, 5)) == QColor(0, 0, 255) ? blue : white)++;
        QCOMPARE(blue, 8); // a one-pixel checkerboard
        QCOMPARE(white, 8);
        for (int x = 50; x < 100; ++x) QCOMPARE(QColor(img.pixel(x, 5)), QColor(Qt::white)); // clipped
        QCOMPARE(QColor(img.pixel(70, 80)), QColor(0, 128, 0));
    }

    void svgGetsThePatternsMeanTone() {
        QBuffer buffer;
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(100, 100));
        QPainter p(&svg);
        QtCanvas c(p, Metric());
        Pattern16 checker;
        for (int i = 0; i < 16; ++i) checker[i] = i % 2 ? 0xAAAA : 0x5555;
        c.FillRect({0, 0, 50, 50}, Brush::Hatch(checker, Rgb(208, 208, 208), kWhite));
        p.end();
        QVERIFY(buffer.data().contains("#e8e8e8"));
    }

    void textAlignment_data() {
        QTest::addColumn<int>("flags");
        QTest::newRow("left top") << (align::kLeft | align::kTop);
        QTest::newRow("right baseline") << (align::kRight | align::kBaseline);
        QTest::newRow("center bottom") << (align::kCenter | align::kBottom);
    }
    void textAlignment() {
        QFETCH(int, flags);
        QImage img(400, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QtCanvas c(p, Metric());
        c.SetMapping(Mapping::Metric);
        c.SetFont(Font{40, 0, 400});
        c.SetTextAlign(flags);
        c.SetTransparent(true);
        c.TextOut(200, 100, u"Cover 47");
        Size extent = c.TextExtent(u"Cover 47");
        p.end();
        QRect ink = InkBox(img);
        QVERIFY(!ink.isEmpty());
        QVERIFY(qAbs(extent.cy - 40) <= 2);
        QVERIFY(qAbs(ink.width() - extent.cx) <= 8);
        int h = flags & align::kHorizontalMask, v = flags & align::kVerticalMask;
        if (h == align::kLeft) QVERIFY(ink.left() >= 199 && ink.left() <= 206);
        if (h == align::kRight) QVERIFY(ink.right() <= 201 && ink.right() >= 190);
        if (h == align::kCenter) QVERIFY(qAbs(ink.center().x() - 200) <= 3);
        if (v == align::kTop) QVERIFY(ink.top() >= 100 && ink.top() <= 115);
        if (v == align::kBaseline) QVERIFY(ink.bottom() >= 95 && ink.bottom() <= 101);
        if (v == align::kBottom) QVERIFY(ink.bottom() <= 100 && ink.bottom() >= 85);
    }

    void verticalTextRunsUpward() {
        QImage img(200, 400, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QtCanvas c(p, Metric());
        c.SetMapping(Mapping::Metric);
        c.SetFont(Font{32, 900, 400});
        c.SetTextAlign(align::kCenter | align::kBaseline);
        c.TextOut(100, 200, u"Cover [mm]");
        p.end();
        QRect ink = InkBox(img);
        QVERIFY(ink.height() > 3 * ink.width());
        QVERIFY(ink.right() <= 110 && ink.left() < 85); // left of the baseline but for descenders
        QVERIFY(qAbs(ink.center().y() - 200) <= 4);
    }

    void opaqueBackgroundAndCjk() {
        QImage img(300, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        QtCanvas c(p, Metric());
        c.SetMapping(Mapping::Metric);
        c.SetFont(Font{40, 0, 400});
        c.SetTransparent(false);
        c.SetBkColor(Rgb(255, 255, 0));
        c.TextOut(10, 10, u"桥墩");
        p.end();
        QCOMPARE(QColor(img.pixel(11, 11)), QColor(255, 255, 0));
        int ink = 0;
        for (int y = 10; y < 50; ++y)
            for (int x = 10; x < 90; ++x) ink += qGray(img.pixel(x, y)) < 100;
        QVERIFY(ink > 50); // the glyphs exist in some installed font
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
