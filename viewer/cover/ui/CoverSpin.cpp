#include "cover/ui/CoverSpin.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vordalis {

CoverSpin::CoverSpin(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { emit spun(-1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit spun(+1); });
}

} // namespace vordalis
