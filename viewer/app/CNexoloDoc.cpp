#include "app/CNexoloDoc.h"

#include "app/SaveAsName.h"
#include "dialogs/ObjectDialogs.h"
#include "model/Codec.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace vordalis {

CNexoloDoc::CNexoloDoc(QObject* parent) : QObject(parent) {
    doc_.SetReadNotice(&ShowReadNotice);
}

QString CNexoloDoc::Title() const {
    return title_.isEmpty() ? tr("Untitled") : title_;
}

void CNexoloDoc::SetTitle(const QString& title) {
    title_ = title;
    emit TitleChanged();
}

void CNexoloDoc::SetModifiedFlag(bool on) {
    doc_.SetModified(on);
    emit TitleChanged();
}

void CNexoloDoc::SetMmScale(bool on) {
    doc_.SetMmScale(on);
    if (Object()) Object()->mmScale = on;
}

void CNexoloDoc::OnNewDocument() {
    doc_.Clear();
    doc_.SetModified(false);
    path_.clear();
    SetTitle(QString());
    UpdateAllViews();
}

bool CNexoloDoc::OnOpenDocument(const QString& path, QWidget* parent) {
    QString full = QFileInfo(path).absoluteFilePath();
    std::u16string message;
    if (!doc_.Load(QFile::encodeName(full).toStdString(), &message)) {
        // What is on screen stays; the message says why the file did not open.
        QMessageBox::warning(parent, QApplication::applicationDisplayName(),
                             QString::fromStdU16String(message));
        return false;
    }
    path_ = full;
    SetTitle(QFileInfo(full).fileName());
    UpdateAllViews();
    return true;
}

bool CNexoloDoc::OnSaveDocument(const QString& path, QWidget* parent) {
    std::string error;
    if (!doc_.Store(QFile::encodeName(path).toStdString(), &error)) {
        QString text = tr("The file %1 could not be saved.").arg(QDir::toNativeSeparators(path));
        if (!Object())
            text += "\n" + tr("There is no object to save.");
        else if (error.rfind("The object cannot", 0) == 0)
            text += "\n" + tr("The object cannot be written in the file format.");
        else if (!error.empty())
            text += "\n" + QString::fromStdString(error);
        QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
        return false;
    }
    emit TitleChanged();
    return true;
}

bool CNexoloDoc::DoSave(const QString& pathIn, bool replace, QWidget* parent) {
    QString path = pathIn;
    if (path.isEmpty()) {
        QString proposal = Title();
        if (!proposal.endsWith(".vdo", Qt::CaseInsensitive)) proposal += ".vdo";
        path = AskSaveAsPath(parent, QDir::current().filePath(proposal));
        if (path.isEmpty()) return false;
        QDir::setCurrent(QFileInfo(path).absolutePath());
    }
    if (!OnSaveDocument(path, parent)) return false;
    if (replace) {
        path_ = QFileInfo(path).absoluteFilePath();
        SetTitle(QFileInfo(path).fileName());
    }
    return true;
}

bool CNexoloDoc::DoFileSave(QWidget* parent) {
    return DoSave(path_, true, parent);
}

bool CNexoloDoc::SaveModified(QWidget* parent) {
    if (!IsModified()) return true;
    auto answer = QMessageBox::question(parent, QApplication::applicationDisplayName(),
                                        tr("Save changes to %1?").arg(Title()),
                                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    return DoFileSave(parent);
}

bool CNexoloDoc::AdoptTemporaryFile(const QString& path, const QString& title, QWidget* parent) {
    std::u16string message;
    if (!doc_.AdoptTemporaryFile(QFile::encodeName(path).toStdString(), title.toStdU16String(), &message)) {
        QMessageBox::warning(parent, QApplication::applicationDisplayName(),
                             QString::fromStdU16String(message));
        return false;
    }
    path_.clear();
    SetTitle(title);
    UpdateAllViews();
    return true;
}

void CNexoloDoc::UpdateAllViews() {
    emit Updated();
    emit TitleChanged();
}

} // namespace vordalis
