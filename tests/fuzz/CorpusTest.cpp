// Every seed of the object, unpacker and local-name corpora keeps its check: the seeds include
// the reproducers of faults found by fuzzing, so these stay mended in every build.
#include "Corpus.h"

#include "fuzz/LocalNameCheck.h"
#include "fuzz/ObjectCheck.h"
#include "fuzz/UnpackerCheck.h"

#include <unistd.h>

using namespace vordalis::fuzz;

TEST(FuzzCorpus, ObjectsReopenAsSavedAndPaint) {
    const auto files = test::Corpus("objects");
    EXPECT_GE(files.size(), 10u);
    for (const auto& [name, bytes] : files) EXPECT_EQ(CheckObject(bytes), "") << name;
}

TEST(FuzzCorpus, UnpackerOutputDoesNotDependOnChunks) {
    const auto files = test::Corpus("unpacker");
    EXPECT_GE(files.size(), 3u);
    for (const auto& [name, bytes] : files) EXPECT_EQ(CheckUnpacker(bytes), "") << name;
}

TEST(FuzzCorpus, ReceivedNamesStayInTheOutputFolder) {
    const std::string root = test::Scratch("local-name");
    const auto files = test::Corpus("local-name");
    EXPECT_GE(files.size(), 3u);
    for (const auto& [name, bytes] : files) EXPECT_EQ(CheckLocalName(bytes, root), "") << name;
    std::filesystem::remove_all(root);
}
