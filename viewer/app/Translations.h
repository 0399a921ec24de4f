#pragma once
// The user-interface languages: Qt translation files "<component>_<lang>.qm" of every
// component (viewer, cover, rebound, update, ...) found beside the program, in its
// "translations" folder, in the build's translations folder or in the installed data folder
// (share/vordalis/translations), plus Qt's own texts.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace vordalis {

class Translations {
public:
    Translations();
    ~Translations();

    // The file suffix of a "Language" value: "" (English, built in), "fr", "de", "zh_CN", "ru".
    static QString Suffix(int language);
    // Folders searched for "*_<lang>.qm", in order.
    static QStringList SearchFolders();

    // Removes the translators of the previous language and installs those of language.
    // Returns the number of translation files loaded (0 for English or when none is found).
    int Load(int language);
    int Language() const { return language_; }

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
    int language_ = 0;
};

// Routes the numbered strings of the Qt-free code through the installed translations
// (context "Strings", the English text as source).
void InstallStringTranslator();

} // namespace vordalis
