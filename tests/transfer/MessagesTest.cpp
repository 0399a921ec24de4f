// The four-language table and how the language is chosen from the settings.
#include "transfer/Messages.h"
#include "settings/Settings.h"
#include "transfer/Instruments.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vordalis::transfer;
namespace settings = vordalis::settings;

TEST(MessagesTest, LanguageFromSettings) {
    for (auto [stored, language] : {std::pair{2, 2}, {3, 3}, {4, 0}, {-1, 0}, {0, 0}}) {
        settings::WriteDword(settings::kLanguage, stored);
        EXPECT_EQ(LanguageFromSettings(), language) << stored;
    }
}

TEST(MessagesTest, TextsAndPlaceholders) {
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::NoInstrument}, 3, 2, "Vernoskant 5"),
              "COM2 中无 Vernoskant 5。");
    EXPECT_EQ(Text(Msg::Load, 2) + " V3.4.0", "Laden V3.4.0");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::PortUnavailable}, 2, 7), "Com7 nicht verfügbar.");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::NoInstrument}, 1, 1, "Melox"), "Aucun Melox an COM1.");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::ShortInput}, 0, 4), "COM4 input error");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::DataInvalid}, 0),
              "Data not valid or data transmission error");
    EXPECT_EQ(MessageOf(IoSysError{static_cast<SysErrorCode>(9)}, 0), "General error");
    EXPECT_EQ(
        MessageOf(IoFileError{FileErrorCode::TempFile, "/o/{$}TMP.{$}"}, 0),
        "Cannot open temporary output file /o/{$}TMP.{$}.\nPlease ensure that directory exists and file is "
        "not write protected.");
    EXPECT_EQ(MessageOf(IoFileError{FileErrorCode::WriteFailed, "x"}, 0),
              "Error writing to file x.\nPlease ensure that file or folder \nis not write protected.");
    EXPECT_EQ(MessageOf(IoFileError{static_cast<FileErrorCode>(7), "x"}, 0), "General error");
    EXPECT_EQ(Text(Msg::Ready, 0), " Ready for data transfer");
    EXPECT_EQ(Text(Msg::SaveSelectedLabel, 3), "保存已选部分(&L)");
    // A language outside 0..3 (a damaged setting) is English.
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::ShortInput}, 9, 4), "COM4 input error");
}

// Every message has a text in each language that takes the same values as the English one, so
// no language shows a message without its port or file, or a raw placeholder.
TEST(MessagesTest, EveryLanguageHasEveryTextWithItsPlaceholders) {
    auto placeholders = [](const std::string& text) {
        std::string found;
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '%') found += text[++i];
        std::sort(found.begin(), found.end());
        return found;
    };
    for (int key = 0; key < static_cast<int>(Msg::Count); ++key) {
        const std::string english = Text(static_cast<Msg>(key), 0);
        for (int language = 0; language <= 3; ++language) {
            SCOPED_TRACE("message " + std::to_string(key) + ", language " + std::to_string(language));
            const std::string text = Text(static_cast<Msg>(key), language);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(placeholders(text), placeholders(english)) << text;
            const std::string filled = Format(static_cast<Msg>(key), language, "<file>", 424242);
            EXPECT_EQ(filled.find('%'), std::string::npos) << filled;
            EXPECT_EQ(filled.find("<file>") != std::string::npos, english.find("%s") != std::string::npos);
            EXPECT_EQ(filled.find("424242") != std::string::npos, english.find("%d") != std::string::npos);
        }
    }
}

TEST(MessagesTest, InstrumentTable) {
    struct Case {
        const char* identifier;
        int type;
    } cases[] = {{"VERNOSKANT 5i", 1},  {"vernoskant5I", 1}, {"Vernoskant 5", 2},
                 {"VERNOSKANT 4", 3},   {"xx MELOX yy", 4},  {"TORVI HAMMER", 5},
                 {"QUELMETER XRTA", 6}, {"Vernoskant", 0},   {"", 0}};
    for (const Case& c : cases) EXPECT_EQ(TypeOf(c.identifier), c.type) << c.identifier;
    EXPECT_EQ(DisplayName(1), "Vernoskant 5");
    EXPECT_EQ(Code(6), "QM");
    EXPECT_EQ(DisplayName(7), "");
    EXPECT_EQ(Code(0), "");
    // The family rules follow the first two letters of the code; an unknown code gets the defaults.
    struct FamilyCase {
        const char* code;
        const char* extension;
        bool namesHaveExtension;
    } families[] = {{"V5i", ".vdo", true}, {"MX(1;2)", ".vdc", true}, {"QM", ".txt", false},
                    {"TH", ".vdo", true},  {"Q", ".vdo", true},       {"", ".vdo", true}};
    for (const FamilyCase& c : families) {
        EXPECT_EQ(ObjectExtension(c.code), c.extension) << c.code;
        EXPECT_EQ(NamesHaveExtension(c.code), c.namesHaveExtension) << c.code;
    }
    EXPECT_EQ(NumberRuleOf("vernoskant 4"), NumberRule::CoverMeter);
    EXPECT_EQ(NumberRuleOf("Melox"), NumberRule::FirstWord);
    EXPECT_EQ(NumberRuleOf("TORVIHAMMER"), NumberRule::FirstWord);
    EXPECT_EQ(NumberRuleOf("Quelmeter XRTA"), NumberRule::None);
    EXPECT_EQ(NumberRuleOf("Vern"), NumberRule::None);
}
