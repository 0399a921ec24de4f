// Every seed of the instrument corpus (scripts of what an instrument sends, over the fake
// port) saves nothing outside the output folder; the seeds include hostile listings.
#include "Corpus.h"

#include "fuzz/InstrumentCheck.h"

#include <unistd.h>

using namespace vordalis::fuzz;

TEST(FuzzCorpus, InstrumentDialoguesSaveOnlyIntoTheOutputFolder) {
    const std::string scratch = test::Scratch("instrument");
    const auto files = test::Corpus("instrument");
    EXPECT_GE(files.size(), 3u);
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(CheckInstrument(bytes, scratch), "") << name;
        // The plain dialogue is saved whole: the fake port carries a real transfer.
        if (name == "get-root-object") {
            EXPECT_TRUE(
                std::filesystem::exists(std::filesystem::path(scratch) / "a" / "b" / "out" / "000123.vdo"));
        }
    }
    std::filesystem::remove_all(scratch);
}
