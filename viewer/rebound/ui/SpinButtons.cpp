#include "rebound/ui/SpinButtons.h"

#include <QKeyEvent>
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

void SpinButtons::AttachTo(QWidget* edit) {
    edit->installEventFilter(this);
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isEnabled()) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit spun(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vordalis
