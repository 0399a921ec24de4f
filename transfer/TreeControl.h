#pragma once
// The tree with check boxes the object pool mirrors itself into. A dialog implements it on
// its toolkit's tree widget (an item handle can be the widget item's address); MemoryTree is
// the implementation for programs without a window and for tests.
#include <cstdint>
#include <string>

namespace vordalis::transfer {

using TreeItem = std::intptr_t; // 0: no item

// Indices into the seven-image list the dialog supplies.
enum TreeImage {
    kImageRoot = 0,
    kImageClosedFolder = 1,
    kImageObject = 2,
    kImageObjectWithExtension = 3,
    kImageOpenFolder = 4,
    kImageSavedObject = 5,
    kImageSavedObjectWithExtension = 6,
};

class TreeControl {
public:
    virtual ~TreeControl() = default;
    virtual void DeleteAllItems() = 0;
    // Appends an item below parent (0: a top-level item) and returns its handle.
    virtual TreeItem InsertItem(TreeItem parent, const std::string& text, int image) = 0;
    virtual void SetCheck(TreeItem item, bool checked) = 0;
    virtual bool GetCheck(TreeItem item) const = 0;
    virtual void SetImage(TreeItem item, int image) = 0;
    virtual void Expand(TreeItem item) = 0;
    virtual void EnsureVisibleAndSelect(TreeItem item) = 0;
};

} // namespace vordalis::transfer
