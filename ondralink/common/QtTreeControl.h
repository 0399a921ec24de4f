#pragma once
// The object pool's tree control on a QTreeWidget: an item handle is the item's address,
// ticks are the items' check boxes, images come from the seven-image list of the program.
#include "transfer/TreeControl.h"

#include <QIcon>
#include <QObject>
#include <QVector>

class QTreeWidget;
class QTreeWidgetItem;

namespace vordalis {

class QtTreeControl : public QObject, public transfer::TreeControl {
    Q_OBJECT
public:
    // images: root, closed folder, object, object with extension, open folder, saved object,
    // saved object with extension.
    QtTreeControl(QTreeWidget* tree, QVector<QIcon> images);

    void DeleteAllItems() override;
    transfer::TreeItem InsertItem(transfer::TreeItem parent, const std::string& text, int image) override;
    void SetCheck(transfer::TreeItem item, bool checked) override;
    bool GetCheck(transfer::TreeItem item) const override;
    void SetImage(transfer::TreeItem item, int image) override;
    void Expand(transfer::TreeItem item) override;
    void EnsureVisibleAndSelect(transfer::TreeItem item) override;

    // The image index an item shows.
    static int ImageOf(const QTreeWidgetItem* item);

private:
    void FolderToggled(QTreeWidgetItem* item, bool expanded);

    QTreeWidget* tree_;
    QVector<QIcon> images_;
};

} // namespace vordalis
