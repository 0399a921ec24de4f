#include "app/SaveAsName.h"

#include "app/DroppedFiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace vordalis {

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("vordalis::SaveAsName", text);
}
} // namespace

QString WithObjectExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QStringLiteral(".vdo");
}

QString AskSaveAsPath(QWidget* parent, const QString& proposal) {
    QString start = proposal;
    for (;;) {
        QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("vordalis::SaveAsName", "Save As")), start,
                           Tr(QT_TRANSLATE_NOOP("vordalis::SaveAsName", "Vordalis Object Files (*.vdo)")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The dialog appends it before it asks about replacing an existing file.
        dialog.setDefaultSuffix(QStringLiteral("vdo"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        QString typed = dialog.selectedFiles().first();
        QString path = WithObjectExtension(typed);
        // A dialog that did not append the extension did not ask about that file either.
        if (path != typed && QFileInfo::exists(path) &&
            QMessageBox::question(parent, QApplication::applicationDisplayName(),
                                  Tr(QT_TRANSLATE_NOOP("vordalis::SaveAsName",
                                                       "%1 already exists.\nDo you want to replace it?"))
                                      .arg(QDir::toNativeSeparators(path))) != QMessageBox::Yes) {
            start = path;
            continue;
        }
        if (IsObjectFileName(path)) return path;
        auto answer = QMessageBox::warning(
            parent, QApplication::applicationDisplayName(),
            Tr(QT_TRANSLATE_NOOP(
                   "vordalis::SaveAsName",
                   "The name %1 does not end in .vdo.\nFile > Open and dropped files take only files "
                   "ending in .vdo. Save under this name anyway?"))
                .arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes) return path;
        start = path; // back to the dialog, with the name to correct
    }
}

} // namespace vordalis
