#include "ondralink/common/QtTreeControl.h"

#include <QTreeWidget>

namespace vordalis {
namespace {

constexpr int kImageRole = Qt::UserRole + 1;

QTreeWidgetItem* ItemOf(transfer::TreeItem item) {
    return reinterpret_cast<QTreeWidgetItem*>(item);
}

} // namespace

QtTreeControl::QtTreeControl(QTreeWidget* tree, QVector<QIcon> images)
    : tree_(tree), images_(std::move(images)) {
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { FolderToggled(item, true); });
    connect(tree_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { FolderToggled(item, false); });
}

int QtTreeControl::ImageOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toInt() : -1;
}

void QtTreeControl::DeleteAllItems() {
    tree_->clear();
}

transfer::TreeItem QtTreeControl::InsertItem(transfer::TreeItem parent, const std::string& text, int image) {
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(text)));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    if (parent)
        ItemOf(parent)->addChild(item);
    else
        tree_->addTopLevelItem(item);
    SetImage(reinterpret_cast<transfer::TreeItem>(item), image);
    return reinterpret_cast<transfer::TreeItem>(item);
}

void QtTreeControl::SetCheck(transfer::TreeItem item, bool checked) {
    if (item) ItemOf(item)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

bool QtTreeControl::GetCheck(transfer::TreeItem item) const {
    return item && ItemOf(item)->checkState(0) == Qt::Checked;
}

void QtTreeControl::SetImage(transfer::TreeItem item, int image) {
    if (!item) return;
    QTreeWidgetItem* it = ItemOf(item);
    it->setData(0, kImageRole, image);
    if (image >= 0 && image < images_.size()) it->setIcon(0, images_[image]);
    // A saved object cannot be ticked again until the tree is filled anew.
    const bool saved =
        image == transfer::kImageSavedObject || image == transfer::kImageSavedObjectWithExtension;
    it->setFlags(saved ? it->flags() & ~Qt::ItemIsUserCheckable : it->flags() | Qt::ItemIsUserCheckable);
}

void QtTreeControl::Expand(transfer::TreeItem item) {
    if (item) ItemOf(item)->setExpanded(true);
}

void QtTreeControl::EnsureVisibleAndSelect(transfer::TreeItem item) {
    if (!item) return;
    tree_->scrollToItem(ItemOf(item));
    tree_->setCurrentItem(ItemOf(item));
}

void QtTreeControl::FolderToggled(QTreeWidgetItem* item, bool expanded) {
    const int image = ImageOf(item);
    if (image == transfer::kImageClosedFolder || image == transfer::kImageOpenFolder)
        SetImage(reinterpret_cast<transfer::TreeItem>(item),
                 expanded ? transfer::kImageOpenFolder : transfer::kImageClosedFolder);
}

} // namespace vordalis
