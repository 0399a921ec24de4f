#include "update/qt/UpdateMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "update/qt/UpdateTexts.h"

namespace vordalis {

QMenu* FindUpdateMenu(QMenuBar* bar) {
    if (!bar) return nullptr;
    for (QAction* a : bar->actions())
        if (a->menu() && a->menu()->objectName() == QLatin1String(kUpdateNoticeMenuName)) return a->menu();
    return nullptr;
}

void RemoveUpdateMenu(QMenuBar* bar) {
    while (QMenu* menu = FindUpdateMenu(bar)) {
        bar->removeAction(menu->menuAction());
        // Later: the removal may come from the menu's own item (the wizard closes the window).
        menu->setObjectName(QString());
        menu->deleteLater();
    }
}

QMenu* InsertUpdateMenu(QMenuBar* bar, CVersion version, const std::function<void()>& onUpdate) {
    RemoveUpdateMenu(bar);
    if (!bar || version.IsZero()) return nullptr;
    auto* menu = new QMenu(UpdateText(Str::NewVersionAvailable), bar);
    menu->setObjectName(QLatin1String(kUpdateNoticeMenuName));
    QAction* item =
        menu->addAction(UpdateText(Str::UpdateToVersion, {QString::fromStdString(version.ToString(3))}));
    item->setObjectName(QStringLiteral("updateNoticeItem"));
    item->setData(kUpdateNoticeCommand);
    if (onUpdate) QObject::connect(item, &QAction::triggered, menu, [onUpdate] { onUpdate(); });
    bar->addMenu(menu);
    return menu;
}

} // namespace vordalis
