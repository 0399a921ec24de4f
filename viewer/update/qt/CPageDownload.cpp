#include "update/qt/CPageDownload.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vordalis {

CPageDownload::CPageDownload(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("downloadPage"));
    title_ = new QLabel(tr("Downloading..."), this);
    QFont f = title_->font();
    f.setBold(true);
    title_->setFont(f);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("downloadStatus"));
    status_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("downloadProgress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    size_ = new QLabel(this);
    size_->setObjectName(QStringLiteral("downloadSize"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addSpacing(12);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(size_);
    layout->addStretch();
}

} // namespace vordalis
