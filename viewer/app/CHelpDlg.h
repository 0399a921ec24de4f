#pragma once
// The help page of F1: what the viewer does, its keys (read from the menu commands, so they
// are the keys that really work) and where the settings live.
#include <QDialog>
#include <QList>

class QAction;
class QTextBrowser;

namespace vordalis {

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    // commands: the menu entries whose keys the page lists, in menu order.
    CHelpDlg(const QList<QAction*>& commands, QWidget* parent = nullptr);

    // The page as HTML, in the current language.
    QString PageHtml() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QList<QAction*> commands_;
    QTextBrowser* browser_;
};

// Shows the one help window of parent (creating it on first use) and raises it.
void ShowHelp(QWidget* parent, const QList<QAction*>& commands);

} // namespace vordalis
