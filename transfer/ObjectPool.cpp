#include "transfer/ObjectPool.h"

#include "transfer/Instruments.h"

#include <cctype>
#include <sstream>

namespace vordalis::transfer {

namespace {
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '\\')) parts.push_back(part);
    if (!path.empty() && path.back() == '\\') parts.push_back({});
    return parts;
}
} // namespace

ObjectPool::ObjectPool() {
    Reset();
}

void ObjectPool::Reset() {
    nodes_[0] = Node{};
    nodes_[0].kind = Root;
    nodes_[0].name = "$POOL$";
    freeHead_ = -1;
    for (int i = kNodes - 1; i >= 1; --i) {
        nodes_[i] = Node{};
        nodes_[i].index = static_cast<int16_t>(i);
        nodes_[i].next = static_cast<int16_t>(freeHead_);
        freeHead_ = i;
    }
    root_ = Allocate(Root);
    const int anchor = Allocate(Anchor);
    nodes_[root_].name = "\\";
    nodes_[root_].anchor = static_cast<int16_t>(anchor);
    nodes_[anchor].next = static_cast<int16_t>(anchor);
    nodes_[anchor].parent = static_cast<int16_t>(root_);
    current_ = root_;
    code_.clear();
}

int ObjectPool::Allocate(Kind kind) {
    if (freeHead_ < 0) return -1;
    const int n = freeHead_;
    freeHead_ = nodes_[n].next;
    nodes_[n] = Node{};
    nodes_[n].kind = kind;
    nodes_[n].index = static_cast<int16_t>(n);
    return n;
}

int ObjectPool::FreeNodes() const {
    int count = 0;
    for (int n = freeHead_; n >= 0; n = nodes_[n].next) ++count;
    return count;
}

bool ObjectPool::Append(int node) {
    const int anchor = nodes_[current_].anchor;
    int last = anchor;
    while (nodes_[last].next != anchor) last = nodes_[last].next;
    nodes_[node].next = static_cast<int16_t>(anchor);
    nodes_[last].next = static_cast<int16_t>(node);
    return true;
}

bool ObjectPool::AddFolder(const std::string& name) {
    if (freeHead_ < 0 || nodes_[freeHead_].next < 0) return false; // a folder takes two nodes
    const int folder = Allocate(Folder);
    const int anchor = Allocate(Anchor);
    nodes_[folder].name = name.substr(0, kNameLength);
    nodes_[folder].anchor = static_cast<int16_t>(anchor);
    nodes_[anchor].next = static_cast<int16_t>(anchor);
    nodes_[anchor].parent = static_cast<int16_t>(folder);
    return Append(folder);
}

bool ObjectPool::AddObject(const std::string& text) {
    const int object = Allocate(Object);
    if (object < 0) return false;
    const size_t dot = text.find('.');
    if (!NamesHaveExtension(code_) || dot == std::string::npos) {
        nodes_[object].name = text.substr(0, kNameLength);
    } else {
        nodes_[object].name = text.substr(0, std::min(dot, size_t(kNameLength)));
        nodes_[object].extension = text.substr(dot + 1, kExtensionLength);
    }
    return Append(object);
}

bool ObjectPool::AddObjectShown(const std::string& text) {
    if (!AddObject(text)) return false;
    const TreeItem folderItem = nodes_[current_].item;
    if (tree_ && folderItem) {
        int last = nodes_[current_].anchor;
        while (nodes_[nodes_[last].next].kind != Anchor) last = nodes_[last].next;
        Node& node = nodes_[last];
        node.item = tree_->InsertItem(folderItem, node.name,
                                      node.extension.empty() ? kImageObject : kImageObjectWithExtension);
        tree_->SetCheck(node.item, false);
    }
    return true;
}

int ObjectPool::ParentOf(int node) const {
    if (node == root_) return root_;
    int n = node;
    while (nodes_[n].kind != Anchor) n = nodes_[n].next;
    return nodes_[n].parent;
}

int ObjectPool::FirstChildOf(int folder) const {
    const int anchor = nodes_[folder].anchor;
    return nodes_[anchor].next == anchor ? -1 : nodes_[anchor].next;
}

int ObjectPool::NextSiblingOf(int node) const {
    const int next = nodes_[node].next;
    return nodes_[next].kind == Anchor ? -1 : next;
}

int ObjectPool::ChildFolder(int folder, const std::string& name) const {
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n))
        if (nodes_[n].kind == Folder && nodes_[n].name == name) return n;
    return -1;
}

bool ObjectPool::ChangeDirectory(const std::string& path) {
    const int before = current_;
    std::string rest = path;
    if (!rest.empty() && rest[0] == '\\') {
        current_ = root_;
        rest.erase(0, 1);
    }
    if (rest.empty()) return true;
    for (const std::string& part : SplitPath(rest)) {
        const std::string component = part.substr(0, kNameLength);
        if (component.empty()) {
            current_ = root_;
        } else if (component == "..") {
            current_ = ParentOf(current_);
        } else {
            const int child = ChildFolder(current_, component);
            if (child < 0) {
                current_ = before;
                return false;
            }
            current_ = child;
        }
    }
    return true;
}

int ObjectPool::FirstChild() {
    Node& anchor = nodes_[nodes_[current_].anchor];
    anchor.cursor = FirstChildOf(current_);
    return anchor.cursor;
}

int ObjectPool::NextChild() {
    Node& anchor = nodes_[nodes_[current_].anchor];
    if (anchor.cursor >= 0) anchor.cursor = NextSiblingOf(anchor.cursor);
    return anchor.cursor;
}

bool ObjectPool::CurrentObject(std::string& name, std::string& extension) const {
    const int cursor = nodes_[nodes_[current_].anchor].cursor;
    if (cursor < 0 || nodes_[cursor].kind != Object) return false;
    name = nodes_[cursor].name;
    extension = nodes_[cursor].extension;
    return true;
}

void ObjectPool::RestartIteration() {
    current_ = root_;
    for (Node& node : nodes_)
        if (node.kind == Anchor) node.cursor = -1;
}

int ObjectPool::CountTickedIn(int folder) const {
    int count = 0;
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n)) {
        if (nodes_[n].kind == Folder)
            count += CountTickedIn(n);
        else if (nodes_[n].check)
            ++count;
    }
    return count;
}

int ObjectPool::CountTicked() const {
    return root_ < 0 ? 0 : CountTickedIn(root_);
}

void ObjectPool::SetTick(int node, bool ticked) {
    nodes_[node].check = ticked ? 1 : 0;
    if (tree_ && nodes_[node].item) tree_->SetCheck(nodes_[node].item, ticked);
}

void ObjectPool::TickItem(int index, bool checked) {
    if (tree_ && index >= 0 && index < kNodes && nodes_[index].item)
        tree_->SetCheck(nodes_[index].item, checked);
}

void ObjectPool::TickBelow(int folder, bool ticked) {
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n)) {
        Node& node = nodes_[n];
        if (node.kind == Object && (node.saved || node.reserved)) {
            SetTick(n, false); // saved objects cannot be ticked again
            continue;
        }
        SetTick(n, ticked);
        if (node.kind == Folder) {
            TickBelow(n, ticked);
            node.nothingBelow = CountTickedIn(n) == 0;
        }
    }
}

// Returns the number of ticked nodes seen in the folder, those inside its sub-folders
// included: an object ticked two folders down keeps both folders on the walk of NextTicked.
int ObjectPool::WalkChildren(int folder) {
    int ticked = 0;
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n)) {
        Node& node = nodes_[n];
        const bool tick = tree_->GetCheck(node.item);
        if (tick != (node.check != 0)) {
            node.check = tick ? 1 : 0;
            if (node.kind == Folder) {
                TickBelow(n, tick);
                node.nothingBelow = CountTickedIn(n) == 0;
            }
        } else if (node.kind == Folder) {
            const int below = WalkChildren(n);
            node.nothingBelow = below == 0;
            if (node.check && below == 0) SetTick(n, false);
            ticked += below;
        }
        if (node.check) ++ticked;
    }
    return ticked;
}

void ObjectPool::Sync() {
    if (!tree_ || root_ < 0 || !nodes_[root_].item) return;
    Node& root = nodes_[root_];
    const bool tick = tree_->GetCheck(root.item);
    if (tick == (root.check != 0)) {
        const int below = WalkChildren(root_);
        if (root.check && below == 0) SetTick(root_, false);
    } else {
        root.check = tick ? 1 : 0;
        TickBelow(root_, tick);
    }
}

void ObjectPool::InsertItems(int folder, TreeItem parentItem, bool defaultCheck) {
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n)) {
        Node& node = nodes_[n];
        const int image = node.kind == Folder      ? kImageClosedFolder
                          : node.extension.empty() ? kImageObject
                                                   : kImageObjectWithExtension;
        node.item = tree_->InsertItem(parentItem, node.name, image);
        node.saved = node.reserved = false;
        node.nothingBelow = false;
        SetTick(n, defaultCheck);
        if (node.kind == Folder) InsertItems(n, node.item, defaultCheck);
    }
}

void ObjectPool::FillTree(TreeControl* tree, const std::string& label, bool defaultCheck) {
    if (root_ < 0 || nodes_[root_].kind != Root || !tree) return;
    tree_ = tree;
    defaultCheck_ = defaultCheck;
    tree_->DeleteAllItems();
    Node& root = nodes_[root_];
    root.item = tree_->InsertItem(0, label, kImageRoot);
    SetTick(root_, defaultCheck);
    InsertItems(root_, root.item, defaultCheck);
    tree_->Expand(root.item);
}

bool ObjectPool::NextTicked(std::string& name, std::string& extension, std::string& path, bool markDone) {
    name.clear();
    extension.clear();
    path.clear();
    auto addToPath = [&path](const std::string& component) {
        if (!path.empty()) path += '\\';
        path += component;
    };
    Node& anchor = nodes_[nodes_[current_].anchor];
    if (anchor.cursor >= 0 && nodes_[anchor.cursor].kind == Object && markDone) {
        Node& done = nodes_[anchor.cursor];
        SetTick(anchor.cursor, false);
        done.reserved = false;
        done.saved = true;
        if (tree_ && done.item)
            tree_->SetImage(done.item,
                            done.extension.empty() ? kImageSavedObject : kImageSavedObjectWithExtension);
    }
    int n = anchor.cursor < 0 ? FirstChild() : NextChild();
    for (;;) {
        while (n < 0) { // end of the current folder
            if (markDone) SetTick(current_, false);
            if (current_ == root_) return false;
            ChangeDirectory("..");
            addToPath("..");
            n = NextChild();
        }
        if (nodes_[n].kind == Folder && !nodes_[n].nothingBelow) {
            ChangeDirectory(nodes_[n].name);
            addToPath(nodes_[n].name);
            n = FirstChild();
            continue;
        }
        if (nodes_[n].kind == Object && nodes_[n].check) {
            name = nodes_[n].name;
            extension = nodes_[n].extension;
            if (tree_ && nodes_[n].item) tree_->EnsureVisibleAndSelect(nodes_[n].item);
            return true;
        }
        n = NextChild();
    }
}

int ObjectPool::FindObject(const std::string& path, const std::string* extension) const {
    auto sameExtension = [extension](const std::string& ext) {
        if (!extension) return true;
        if (ext.size() != extension->size()) return false;
        for (size_t i = 0; i < ext.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(ext[i])) !=
                std::toupper(static_cast<unsigned char>((*extension)[i])))
                return false;
        return true;
    };
    std::vector<std::string> parts = SplitPath(path);
    if (!parts.empty() && parts.front().empty()) parts.erase(parts.begin()); // a leading "\"
    if (parts.empty()) return -1;
    int folder = root_;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        folder = ChildFolder(folder, parts[i]);
        if (folder < 0) return -1;
    }
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n))
        if (nodes_[n].kind == Object && nodes_[n].name == parts.back() && sameExtension(nodes_[n].extension))
            return n;
    return -1;
}

void ObjectPool::CollectEntries(int folder, int depth, std::vector<Entry>& out) const {
    for (int n = FirstChildOf(folder); n >= 0; n = NextSiblingOf(n)) {
        const Node& node = nodes_[n];
        out.push_back({depth, node.kind == Folder, node.name, node.extension});
        if (node.kind == Folder) CollectEntries(n, depth + 1, out);
    }
}

std::vector<ObjectPool::Entry> ObjectPool::Entries() const {
    std::vector<Entry> out;
    if (root_ >= 0) CollectEntries(root_, 1, out);
    return out;
}

} // namespace vordalis::transfer
