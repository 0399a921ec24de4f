#include "SpinButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vordalis {

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto make = [&](Qt::ArrowType arrow, int delta, const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setArrowType(arrow);
        b->setAutoRepeat(true);
        b->setFixedSize(18, 11);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, delta] { emit spun(delta); });
        layout->addWidget(b);
    };
    make(Qt::UpArrow, -1, "up");
    make(Qt::DownArrow, 1, "down");
}

} // namespace vordalis
