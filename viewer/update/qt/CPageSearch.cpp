#include "update/qt/CPageSearch.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vordalis {

CPageSearch::CPageSearch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("searchPage"));
    title_ = new QLabel(tr("Searching for updates..."), this);
    QFont f = title_->font();
    f.setBold(true);
    title_->setFont(f);
    first_ = new QLabel(this);
    second_ = new QLabel(this);
    third_ = new QLabel(this);
    first_->setObjectName(QStringLiteral("searchFirst"));
    second_->setObjectName(QStringLiteral("searchSecond"));
    third_->setObjectName(QStringLiteral("searchThird"));
    for (QLabel* l : {first_, second_, third_}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addSpacing(12);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addWidget(third_);
    layout->addStretch();
}

} // namespace vordalis
