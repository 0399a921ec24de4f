#pragma once
// The viewer's single document: the framework side (path, title, modified flag, the save
// questions and messages) over the Qt-free NexoloDocument that owns the object.
#include "model/NexoloDocument.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vordalis {

class CNexoloDoc : public QObject {
    Q_OBJECT
public:
    explicit CNexoloDoc(QObject* parent = nullptr);

    TBasicObj* Object() const { return doc_.Object(); }
    NexoloDocument& Logic() { return doc_; }
    const QString& PathName() const { return path_; }
    // The document's title: the file name, "Untitled", or a title given by Load or a summary.
    QString Title() const;
    void SetTitle(const QString& title);
    bool IsModified() const { return doc_.IsModified(); }
    void SetModifiedFlag(bool on = true);
    void SetMmScale(bool on);

    // Empties the document (no object, no path, "Untitled").
    void OnNewDocument();
    // Loads path. On failure shows why (the system's reason, or "Object empty or not valid")
    // and keeps the current object, path and title.
    bool OnOpenDocument(const QString& path, QWidget* parent);
    // Saves to path atomically; reports a failure in a message box. True on success.
    bool OnSaveDocument(const QString& path, QWidget* parent);
    // Save (asks for a name when the document has no path) and Save As.
    bool DoFileSave(QWidget* parent);
    bool DoSave(const QString& path, bool replace, QWidget* parent);
    // Asks whether to save a modified document: false when the user cancelled or saving failed.
    bool SaveModified(QWidget* parent);
    // Adopts an object file the viewer was handed (Load, Create Summary): load, delete the
    // file, no path, title it, mark it modified. False (after a message, the current object
    // kept) when not valid.
    bool AdoptTemporaryFile(const QString& path, const QString& title, QWidget* parent);

    // Tells every view that the object or its options changed (scroll size, repaint).
    void UpdateAllViews();

signals:
    void Updated();
    void TitleChanged();

private:
    NexoloDocument doc_;
    QString path_;
    QString title_;
};

} // namespace vordalis
