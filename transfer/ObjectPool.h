#pragma once
// The folder tree of the instrument's stored objects in a fixed array of 2000 nodes. It
// mirrors itself into a tree control with check boxes, follows the user's ticks, and walks
// the ticked objects one after the other, giving for each the relative folder path
// ("A", "..\B") the instrument's CD commands and the back end follow.
#include "transfer/TreeControl.h"

#include <array>
#include <string>
#include <vector>

namespace vordalis::transfer {

class ObjectPool {
public:
    static constexpr int kNodes = 2000;
    static constexpr int kNameLength = 29;
    static constexpr int kExtensionLength = 3;
    enum Kind : uint8_t { Root = 0, Folder = 1, Object = 2, Anchor = 3, Free = 4 };

    struct Node {
        Kind kind = Free;
        uint8_t check = 0;
        bool saved = false;
        bool reserved = false;
        bool nothingBelow = false;
        int16_t index = 0;
        int16_t anchor = -1; // root and folders: their anchor
        int16_t next = -1;   // next in the parent's child list, circular through its anchor
        int16_t parent = -1; // anchors: the folder they belong to
        int cursor = -1;     // anchors: the child last visited, -1 before the first
        TreeItem item = 0;
        std::string name;
        std::string extension;
    };

    // One line of a depth-first listing (for printing the tree).
    struct Entry {
        int depth = 0; // 1 for the root's children
        bool folder = false;
        std::string name, extension;
    };

    ObjectPool();

    void Reset();
    bool AddFolder(const std::string& name);
    bool AddObject(const std::string& text); // name.extension
    // Adds an object to the current folder and shows it in the attached tree, unticked.
    bool AddObjectShown(const std::string& text);
    bool ChangeDirectory(const std::string& path);
    int FirstChild(); // -1: none
    int NextChild();
    bool CurrentObject(std::string& name, std::string& extension) const;
    int CountTicked() const;
    void Sync();
    void FillTree(TreeControl* tree, const std::string& label, bool defaultCheck);
    bool NextTicked(std::string& name, std::string& extension, std::string& path, bool markDone);

    // Makes the root current and restarts the walk in every folder.
    void RestartIteration();

    void SetInstrumentCode(const std::string& code) { code_ = code.substr(0, 2); }
    const std::string& InstrumentCode() const { return code_; }
    int FreeNodes() const;
    int CurrentFolder() const { return current_; }
    int RootIndex() const { return root_; }
    const Node& At(int index) const { return nodes_.at(index); }
    TreeControl* Tree() const { return tree_; }

    // The object at "FOLDER\...\NAME" below the root (name without extension); -1 if none.
    // With extension given, only an object with that extension (any case) qualifies.
    int FindObject(const std::string& path, const std::string* extension = nullptr) const;
    // Ticks or unticks one node's item in the tree (the pool takes it over at the next Sync).
    void TickItem(int index, bool checked);
    std::vector<Entry> Entries() const;

    // Whether the pool holds the listing of the current instrument (the serial front ends say
    // so when they read a directory; the back end that names files by content adds to it then).
    bool Valid() const { return valid_; }
    void SetValid(bool valid) { valid_ = valid; }

private:
    int Allocate(Kind kind);
    bool Append(int node);
    int ParentOf(int node) const; // the folder a node is listed in
    int FirstChildOf(int folder) const;
    int NextSiblingOf(int node) const; // -1 at the end of the list
    int ChildFolder(int folder, const std::string& name) const;
    void SetTick(int node, bool ticked);
    void TickBelow(int folder, bool ticked);
    int WalkChildren(int folder);
    int CountTickedIn(int folder) const;
    void InsertItems(int folder, TreeItem parentItem, bool defaultCheck);
    void CollectEntries(int folder, int depth, std::vector<Entry>& out) const;

    std::array<Node, kNodes> nodes_{};
    int freeHead_ = -1;
    int root_ = -1;
    int current_ = -1;
    std::string code_;
    TreeControl* tree_ = nullptr;
    bool defaultCheck_ = false;
    bool valid_ = false;
};

} // namespace vordalis::transfer
