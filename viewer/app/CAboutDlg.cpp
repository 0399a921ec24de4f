#include "app/CAboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace vordalis {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Vordalis"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/vordalis.svg").pixmap(48, 48));
    auto* text = new QLabel(this);
    text->setObjectName("version");
    text->setText(QStringLiteral("<b>Vordalis</b><br>") +
                  tr("Version %1").arg(QApplication::applicationVersion()) + QStringLiteral("<br>") +
                  tr("Viewer for cover meter and rebound hammer measurements"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace vordalis
