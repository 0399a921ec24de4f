// Every sample's page in every language, painted with the real fonts: no translated text runs
// into another (a long label over its symbol or value) where the English page has room, and no
// translation is written in a smaller font than the English page uses.
#include "app/CNexoloApp.h"
#include "app/Translations.h"
#include "canvas/QtCanvas.h"
#include "model/DisplayOptions.h"
#include "model/NexoloDocument.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

using namespace vordalis;

namespace {

struct TextBox {
    QRectF box;
    QString text;
    int height = 0;
};

// The Qt canvas that also notes where each horizontal text lands (logical units).
class TextBoxCanvas : public QtCanvas {
public:
    using QtCanvas::QtCanvas;
    void TextOut(int x, int y, const std::u16string& text) override {
        QtCanvas::TextOut(x, y, text);
        if (font_.escapement != 0 || text.find_first_not_of(u' ') == std::u16string::npos) return;
        QFontMetricsF fm(ToQFont(font_));
        // Blanks at either end take no room on the page.
        const QString s = QString::fromStdU16String(text);
        const QString core = s.trimmed();
        const double lead = fm.horizontalAdvance(s.left(s.indexOf(core)));
        const double w = fm.horizontalAdvance(core);
        const double full = fm.horizontalAdvance(s);
        double left = x;
        if ((align_ & align::kHorizontalMask) == align::kRight) left = x - full;
        if ((align_ & align::kHorizontalMask) == align::kCenter) left = x - full / 2;
        double top = y;
        if ((align_ & align::kVerticalMask) == align::kBaseline) top = y - fm.ascent();
        if ((align_ & align::kVerticalMask) == align::kBottom) top = y - fm.ascent() - fm.descent();
        // Glyph cells carry some room above the letters: count the lower part only.
        boxes.push_back(
            {QRectF(left + lead, top + 0.2 * fm.ascent(), w, 0.8 * fm.ascent()), core, font_.height});
    }
    std::vector<TextBox> boxes;
};

std::vector<TextBox> PaintScreenPage(TBasicObj& obj) {
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas::Device device;
    device.screenHeight = 1500 / 0.7;
    TextBoxCanvas canvas(painter, device);
    obj.Draw(canvas);
    return canvas.boxes;
}

// "a" and "b" run into each other, by more than a hair.
bool Collide(const TextBox& a, const TextBox& b) {
    QRectF both = a.box & b.box;
    return both.width() > 2 && both.height() > 0;
}

constexpr int32_t kEverything =
    opts::kHeader | opts::kChart | opts::kStatistics | opts::kTable | opts::kValues | opts::kAxis;

} // namespace

class PageTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { RegisterViewerTypes(); }

    void textsFitInEveryLanguage() {
        const QStringList samples = QDir(VORDALIS_SAMPLES).entryList({"*.vdo"}, QDir::Files, QDir::Name);
        QVERIFY(samples.size() > 10);
        Translations translations;
        InstallStringTranslator();
        QStringList faults;
        std::map<QString, int> smallestEnglish;
        // Pairs of texts (by drawing order) that touch on the English page already, e.g. the
        // value labels of a dense bar scan: a layout matter, not a translation's.
        std::map<QString, std::set<std::pair<size_t, size_t>>> englishCollisions;
        for (int language = 0; language <= 4; ++language) {
            if (language > 0) QVERIFY(translations.Load(language) > 0);
            for (const QString& name : samples) {
                std::unique_ptr<TBasicObj> obj =
                    ReadObjectFile(QDir(VORDALIS_SAMPLES).filePath(name).toStdString());
                QVERIFY2(obj, qPrintable(name));
                obj->SetOptions((obj->Options() & opts::kColourMask) | kEverything);
                const std::vector<TextBox> boxes = PaintScreenPage(*obj);
                const QString where = Translations::Suffix(language) + " " + name + ": ";
                int smallest = INT_MAX;
                for (const TextBox& b : boxes) smallest = std::min(smallest, b.height);
                if (language == 0)
                    smallestEnglish[name] = smallest;
                else if (smallest < smallestEnglish[name] * 9 / 10)
                    faults << where + QString("font %1 against %2 in English")
                                          .arg(smallest)
                                          .arg(smallestEnglish[name]);
                for (size_t i = 0; i < boxes.size(); ++i)
                    for (size_t j = i + 1; j < boxes.size(); ++j) {
                        if (!Collide(boxes[i], boxes[j])) continue;
                        if (language == 0)
                            englishCollisions[name].insert({i, j});
                        else if (!englishCollisions[name].count({i, j}))
                            faults << where + "\"" + boxes[i].text + "\" runs into \"" + boxes[j].text + "\"";
                    }
            }
        }
        translations.Load(0);
        faults.removeDuplicates();
        for (const QString& f : faults) qWarning("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 texts do not fit").arg(faults.size())));
    }
};

QTEST_MAIN(PageTextsTest)
#include "PageTextsTest.moc"
