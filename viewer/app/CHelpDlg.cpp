#include "app/CHelpDlg.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace vordalis {

CHelpDlg::CHelpDlg(const QList<QAction*>& commands, QWidget* parent)
    : QDialog(parent), commands_(commands), browser_(new QTextBrowser(this)) {
    setObjectName("CHelpDlg");
    browser_->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(560, 620);
    Retranslate();
}

void CHelpDlg::changeEvent(QEvent* event) {
    // After the frame has retranslated the menu texts the page lists.
    if (event->type() == QEvent::LanguageChange) QTimer::singleShot(0, this, &CHelpDlg::Retranslate);
    QDialog::changeEvent(event);
}

void CHelpDlg::Retranslate() {
    setWindowTitle(tr("Vordalis Help"));
    browser_->setHtml(PageHtml());
}

QString CHelpDlg::PageHtml() const {
    auto row = [](const QString& keys, const QString& what) {
        return QString("<tr><td style='padding-right:16px'><b>%1</b></td><td>%2</td></tr>")
            .arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
    };
    // The keys of the commands with their menu texts.
    QString keys;
    QList<QAction*> withKeys;
    for (QAction* a : commands_)
        if (!a->shortcuts().isEmpty()) withKeys << a;
    for (QAction* a : withKeys) {
        QStringList sequences;
        for (const QKeySequence& k : a->shortcuts()) sequences << k.toString(QKeySequence::NativeText);
        QString text = a->text();
        text.remove(QRegularExpression("&(?!&)")).remove("...").remove(QChar(0x2026));
        keys += row(sequences.join(", "), text);
    }
    keys += row(tr("Ctrl+Wheel"), tr("Zoom in or out about the mouse"));
    keys += row(tr("Arrow keys, Page Up, Page Down"), tr("Scroll the page"));
    keys += row(tr("Home, End"), tr("Scroll to the left or right end; with Ctrl to the top or bottom"));

    QString settingsFile = QDir::toNativeSeparators(QSettings("Morvex", "Vordalis").fileName());
    QString html;
    html += "<h2>Vordalis</h2>";
    html += "<p>" +
            tr("Vordalis shows the measurements of cover meters and rebound hammers. Each object "
               "file (.vdo) is shown as one page: a header with title, date and remarks, a chart, "
               "the parameters and statistics, and the table of values.")
                .toHtmlEscaped() +
            "</p>";
    html += "<p>" +
            tr("Open a file with File > Open, by dropping it on the window, or fetch it from the "
               "instrument with File > Load. The status bar shows the position and value under the "
               "mouse. Double-click the header to edit title and remarks, the limits to change limit "
               "and range, and a value to change it once Edit > Enable value change is ticked.")
                .toHtmlEscaped() +
            "</p>";
    html += "<p>" +
            tr("Copy puts the page on the clipboard as a picture and its table of values as text, "
               "which a spreadsheet pastes as columns.")
                .toHtmlEscaped() +
            "</p>";
    html += "<h3>" + tr("Keys").toHtmlEscaped() + "</h3><table>" + keys + "</table>";
    html += "<h3>" + tr("Settings").toHtmlEscaped() + "</h3>";
    html += "<p>" +
            tr("The language, the data folder, the display options, the page borders, the zoom, the "
               "window placement and the recent files are kept in %1. The transfer programs "
               "Ondralink and Tamlo read the same file.")
                .arg("<tt>" + settingsFile.toHtmlEscaped() + "</tt>") +
            "</p>";
    return html;
}

void ShowHelp(QWidget* parent, const QList<QAction*>& commands) {
    auto* help = parent->findChild<CHelpDlg*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new CHelpDlg(commands, parent);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace vordalis
