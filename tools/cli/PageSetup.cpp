// What every command that paints pages needs: a GUI application and the viewer's options.
#include "tools/cli/Commands.h"

#include "model/DisplayOptions.h"
#include "model/TBasicObj.h"
#include "settings/Settings.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace vordalis::cli {
namespace {
constexpr int32_t kViewerDefault = 0x642F;
} // namespace

int32_t CategoryDefault(const TBasicObj& obj) {
    int c = obj.category >= 0 && obj.category <= 3 ? obj.category : 0;
    int32_t stored = settings::ReadDword(settings::ModeName(c), settings::kDefaultMode);
    int32_t word = stored == 0 ? kViewerDefault : opts::UnpackOptions(stored) & ~opts::kNotStored;
    return (word & ~opts::kValueChange) | opts::kLimitFromInstrument | opts::kRangeFromInstrument |
           opts::kBit17;
}

void PrepareForPages(TBasicObj& obj) {
    obj.mmScale = settings::ReadDword(settings::kMmScale, settings::kDefaultMmScale) != 0;
    if (obj.options & opts::kNotStored) obj.SetOptions(CategoryDefault(obj));
}

void EnsureGuiApplication() {
    // Fonts and painting need a GUI application; without a display it runs offscreen. The
    // platform's notes (a missing runtime folder, say) are no business of a batch tool's stderr.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends.
    static std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "vordalis-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
}

} // namespace vordalis::cli
