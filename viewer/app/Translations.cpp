#include "app/Translations.h"

#include "model/Strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSet>
#include <QTranslator>

namespace vordalis {

Translations::Translations() = default;

Translations::~Translations() {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
}

QString Translations::Suffix(int language) {
    switch (language) {
    case 1:
        return "fr";
    case 2:
        return "de";
    case 3:
        return "zh_CN";
    case 4:
        return "ru";
    default:
        return {};
    }
}

QStringList Translations::SearchFolders() {
    // Relative to the program only, so an installed tree finds its own files wherever it was
    // installed (also below DESTDIR) and never those of a build folder.
    const QString app = QCoreApplication::applicationDirPath();
    return {app, app + "/translations", app + "/../translations", // beside it, or <build>/bin
            QDir::cleanPath(app + "/" VORDALIS_INSTALLED_TRANSLATIONS)};
}

int Translations::Load(int language) {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
    installed_.clear();
    language_ = language;
    QString suffix = Suffix(language);
    if (suffix.isEmpty()) return 0;
    // One file per component: the first folder that holds it wins.
    QSet<QString> seen;
    auto install = [&](const QString& path) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(path) && QCoreApplication::installTranslator(t.get())) installed_.push_back(std::move(t));
    };
    for (const QString& folder : SearchFolders()) {
        QDir dir(folder);
        for (const QString& file : dir.entryList({"*_" + suffix + ".qm"}, QDir::Files, QDir::Name)) {
            QString component = file.left(file.size() - suffix.size() - 4); // "<component>_<lang>.qm"
            if (component.isEmpty() || seen.contains(component)) continue;
            seen.insert(component);
            install(dir.filePath(file));
        }
    }
    int own = int(installed_.size());
    install(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + suffix + ".qm");
    return own;
}

void InstallStringTranslator() {
    SetStringTranslator([](Str, const std::u16string& english) -> std::u16string {
        if (english.empty()) return {};
        QByteArray source = QString::fromStdU16String(english).toUtf8();
        return QCoreApplication::translate("Strings", source.constData()).toStdU16String();
    });
}

} // namespace vordalis
