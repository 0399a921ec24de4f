#pragma once
// A tree control held in memory: what a windowless program ticks, and what tests inspect.
#include "transfer/TreeControl.h"

#include <vector>

namespace vordalis::transfer {

class MemoryTree : public TreeControl {
public:
    struct Item {
        TreeItem parent = 0;
        std::string text;
        int image = 0;
        bool checked = false;
        bool expanded = false;
    };

    void DeleteAllItems() override {
        items_.clear();
        selected_ = 0;
    }
    TreeItem InsertItem(TreeItem parent, const std::string& text, int image) override {
        items_.push_back({parent, text, image, false, false});
        return static_cast<TreeItem>(items_.size());
    }
    void SetCheck(TreeItem item, bool checked) override {
        if (Valid(item)) items_[item - 1].checked = checked;
    }
    bool GetCheck(TreeItem item) const override { return Valid(item) && items_[item - 1].checked; }
    void SetImage(TreeItem item, int image) override {
        if (Valid(item)) items_[item - 1].image = image;
    }
    void Expand(TreeItem item) override {
        if (Valid(item)) items_[item - 1].expanded = true;
    }
    void EnsureVisibleAndSelect(TreeItem item) override { selected_ = item; }

    const Item& At(TreeItem item) const { return items_.at(item - 1); }
    size_t Size() const { return items_.size(); }
    TreeItem Selected() const { return selected_; }

private:
    bool Valid(TreeItem item) const { return item >= 1 && item <= static_cast<TreeItem>(items_.size()); }
    std::vector<Item> items_;
    TreeItem selected_ = 0;
};

} // namespace vordalis::transfer
