// The object pool: capacity, names, folders, ticks and the walk over ticked objects.
#include "transfer/ObjectPool.h"
#include "transfer/MemoryTree.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vordalis::transfer;

namespace {

// root: r1, A{a1, a2.B}, B{b1}, EMPTY{}
std::unique_ptr<ObjectPool> SamplePool() {
    auto pool = std::make_unique<ObjectPool>();
    pool->AddObject("r1");
    pool->AddFolder("A");
    pool->AddFolder("B");
    pool->AddFolder("EMPTY");
    pool->ChangeDirectory("A");
    pool->AddObject("a1");
    pool->AddObject("a2.B");
    pool->ChangeDirectory("..\\B");
    pool->AddObject("b1");
    pool->ChangeDirectory("\\");
    return pool;
}

struct Step {
    std::string name, extension, path;
};

std::vector<Step> WalkTicked(ObjectPool& pool, bool markDone = true) {
    std::vector<Step> steps;
    pool.RestartIteration();
    Step s;
    while (pool.NextTicked(s.name, s.extension, s.path, markDone)) steps.push_back(s);
    return steps;
}

TreeItem ItemOf(const ObjectPool& pool, const std::string& path) {
    return pool.At(pool.FindObject(path)).item;
}

} // namespace

TEST(ObjectPoolTest, CapacityAfterReset) {
    auto pool = std::make_unique<ObjectPool>();
    EXPECT_EQ(pool->FreeNodes(), 1997);
    for (int i = 0; i < 1997; ++i) ASSERT_TRUE(pool->AddObject(std::to_string(i))) << i;
    EXPECT_FALSE(pool->AddObject("one too many"));
    EXPECT_FALSE(pool->AddFolder("F"));
    pool->Reset();
    EXPECT_EQ(pool->FreeNodes(), 1997);
    // A folder takes two nodes: with one node left it does not fit.
    for (int i = 0; i < 1996; ++i) pool->AddObject("x");
    EXPECT_FALSE(pool->AddFolder("F"));
    EXPECT_TRUE(pool->AddObject("last"));
}

TEST(ObjectPoolTest, ObjectNamesAndExtensions) {
    struct Case {
        std::string code, text, name, extension;
    } cases[] = {
        {"", "000123.B", "000123", "B"},    {"", "README", "README", ""},
        {"", "a.long.ext", "a", "lon"},     {"", std::string(35, 'n') + ".VDO", std::string(29, 'n'), "VDO"},
        {"QM", "000123.B", "000123.B", ""},
    };
    for (const Case& c : cases) {
        ObjectPool pool;
        pool.SetInstrumentCode(c.code);
        ASSERT_TRUE(pool.AddObject(c.text));
        pool.FirstChild();
        std::string name, extension;
        ASSERT_TRUE(pool.CurrentObject(name, extension));
        EXPECT_EQ(name, c.name) << c.text;
        EXPECT_EQ(extension, c.extension) << c.text;
    }
}

TEST(ObjectPoolTest, ChangeDirectoryRestoresOnFailure) {
    auto pool = SamplePool();
    const int root = pool->CurrentFolder();
    ASSERT_TRUE(pool->ChangeDirectory("A"));
    const int a = pool->CurrentFolder();
    EXPECT_NE(a, root);
    EXPECT_FALSE(pool->ChangeDirectory("..\\NOPE"));
    EXPECT_EQ(pool->CurrentFolder(), a);
    EXPECT_FALSE(pool->ChangeDirectory("a1")); // an object is not a folder
    EXPECT_TRUE(pool->ChangeDirectory(".."));
    EXPECT_EQ(pool->CurrentFolder(), root);
    EXPECT_TRUE(pool->ChangeDirectory("..")); // stays at the root
    EXPECT_EQ(pool->CurrentFolder(), root);
    EXPECT_TRUE(pool->ChangeDirectory("\\B"));
    EXPECT_NE(pool->FindObject("B\\b1"), -1);
    EXPECT_EQ(pool->FindObject("B\\a1"), -1);
}

TEST(ObjectPoolTest, NextTickedWalksFoldersWithRelativePaths) {
    auto pool = SamplePool();
    MemoryTree tree;
    pool->FillTree(&tree, "Vernoskant 5", true);
    pool->Sync(); // finds the empty folder
    const auto steps = WalkTicked(*pool);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].name, "r1");
    EXPECT_EQ(steps[0].path, "");
    EXPECT_EQ(steps[1].name, "a1");
    EXPECT_EQ(steps[1].path, "A");
    EXPECT_EQ(steps[2].name, "a2");
    EXPECT_EQ(steps[2].extension, "B");
    EXPECT_EQ(steps[2].path, "");
    EXPECT_EQ(steps[3].name, "b1");
    EXPECT_EQ(steps[3].path, "..\\B"); // the empty folder is never entered afterwards
    // Everything walked with markDone is saved, unticked and shows the saved images.
    EXPECT_EQ(pool->CountTicked(), 0);
    EXPECT_FALSE(tree.At(ItemOf(*pool, "A\\a1")).checked);
    EXPECT_EQ(tree.At(ItemOf(*pool, "A\\a1")).image, kImageSavedObject);
    EXPECT_EQ(tree.At(ItemOf(*pool, "A\\a2")).image, kImageSavedObjectWithExtension);
    EXPECT_FALSE(tree.At(pool->At(pool->RootIndex()).item).checked);
}

TEST(ObjectPoolTest, WalkWithoutMarkingLeavesTicks) {
    auto pool = SamplePool();
    MemoryTree tree;
    pool->FillTree(&tree, "Vernoskant 5", true);
    pool->Sync();
    EXPECT_EQ(WalkTicked(*pool, false).size(), 4u);
    EXPECT_EQ(pool->CountTicked(), 4);
}

TEST(ObjectPoolTest, SyncFollowsTicks) {
    auto pool = SamplePool();
    MemoryTree tree;
    pool->FillTree(&tree, "Vernoskant 5", false);
    EXPECT_TRUE(tree.At(pool->At(pool->RootIndex()).item).expanded);
    EXPECT_EQ(tree.Size(), 8u); // the root, 3 folders and 4 objects

    // Ticking a folder ticks everything inside.
    pool->ChangeDirectory("\\A");
    const int a = pool->CurrentFolder();
    pool->ChangeDirectory("\\");
    tree.SetCheck(pool->At(a).item, true);
    pool->Sync();
    EXPECT_EQ(pool->CountTicked(), 2);
    EXPECT_TRUE(tree.At(ItemOf(*pool, "A\\a2")).checked);

    // Unticking its last ticked object unticks the folder at the next Sync.
    tree.SetCheck(ItemOf(*pool, "A\\a1"), false);
    pool->Sync();
    tree.SetCheck(ItemOf(*pool, "A\\a2"), false);
    pool->Sync();
    EXPECT_EQ(pool->CountTicked(), 0);
    EXPECT_FALSE(tree.At(pool->At(a).item).checked);
    EXPECT_TRUE(pool->At(a).nothingBelow);

    // Ticking the root ticks everything except saved objects.
    pool->TickItem(pool->FindObject("r1"), true);
    pool->Sync();
    std::string name, extension, path;
    pool->RestartIteration();
    ASSERT_TRUE(pool->NextTicked(name, extension, path, true));
    ASSERT_FALSE(pool->NextTicked(name, extension, path, true)); // r1 is saved now
    tree.SetCheck(pool->At(pool->RootIndex()).item, true);
    pool->Sync();
    EXPECT_EQ(pool->CountTicked(), 3);
    EXPECT_FALSE(tree.At(ItemOf(*pool, "r1")).checked);

    // An empty folder ticked with nothing in it is unticked again.
    pool->Sync();
    pool->ChangeDirectory("\\EMPTY");
    const int empty = pool->CurrentFolder();
    EXPECT_FALSE(tree.At(pool->At(empty).item).checked);
}

TEST(ObjectPoolTest, ObjectTickedDeepInsideUntickedFoldersIsWalked) {
    // root: A{B{C{c1}, b1}}, everything unticked, then only c1 ticked by hand.
    ObjectPool pool;
    pool.AddFolder("A");
    pool.ChangeDirectory("A");
    pool.AddFolder("B");
    pool.ChangeDirectory("B");
    pool.AddFolder("C");
    pool.AddObject("b1");
    pool.ChangeDirectory("C");
    pool.AddObject("c1");
    pool.ChangeDirectory("\\");
    MemoryTree tree;
    pool.FillTree(&tree, "Vernoskant 5", false);
    tree.SetCheck(ItemOf(pool, "A\\B\\C\\c1"), true);
    pool.Sync();
    pool.Sync(); // a second pass must not drop the tick either
    ASSERT_EQ(pool.CountTicked(), 1);
    const auto steps = WalkTicked(pool);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].name, "c1");
    EXPECT_EQ(steps[0].path, "A\\B\\C");
}
