// The four-language table and how the language is chosen from the settings.
#include "transfer/Messages.h"
#include "settings/Settings.h"
#include "transfer/Instruments.h"

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
    SetLanguage(3);
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::NoInstrument}, 2, "Vernoskant 5"),
              "COM2 中无 Vernoskant 5。");
    SetLanguage(2);
    EXPECT_EQ(Text(Msg::Load) + " V3.4.0", "Laden V3.4.0");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::PortUnavailable}, 7), "Com7 nicht verfügbar.");
    SetLanguage(1);
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::NoInstrument}, 1, "Melox"), "Aucun Melox an COM1.");
    SetLanguage(0);
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::ShortInput}, 4), "COM4 input error");
    EXPECT_EQ(MessageOf(IoSysError{SysErrorCode::DataInvalid}), "Data not valid or data transmission error");
    EXPECT_EQ(MessageOf(IoSysError{static_cast<SysErrorCode>(9)}), "General error");
    EXPECT_EQ(
        MessageOf(IoFileError{FileErrorCode::TempFile, "/o/{$}TMP.{$}"}),
        "Cannot open temporary output file /o/{$}TMP.{$}.\nPlease ensure that directory exists and file is "
        "not write protected.");
    EXPECT_EQ(MessageOf(IoFileError{FileErrorCode::WriteFailed, "x"}),
              "Error writing to file x.\nPlease ensure that file or folder \nis not write protected.");
    EXPECT_EQ(MessageOf(IoFileError{static_cast<FileErrorCode>(7), "x"}), "General error");
    EXPECT_EQ(Text(Msg::Ready), " Ready for data transfer");
    EXPECT_EQ(Text(Msg::SaveSelectedLabel, 3), "保存已选部分(&L)");
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
