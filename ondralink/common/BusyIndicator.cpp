#include "ondralink/common/BusyIndicator.h"

#include <QPainter>

#include <algorithm>

namespace vordalis {

BusyIndicator::BusyIndicator(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

std::pair<int, int> BusyIndicator::BlockSpan(int step, int width) {
    const int w = std::max(1, (width + 4) / 8);
    const int offset = step <= 6 ? step * w : (12 - step) * w;
    return {offset, std::min(offset + 2 * w, width)};
}

void BusyIndicator::Advance() {
    shown_ = true;
    step_ = (step_ + 1) % 12;
    update();
}

void BusyIndicator::Clear() {
    shown_ = false;
    step_ = 0;
    update();
}

void BusyIndicator::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!shown_) return;
    const QRect r = contentsRect();
    const auto [left, right] = BlockSpan(step_, r.width());
    QPainter painter(this);
    painter.fillRect(
        QRect(QPoint(r.left() + left, r.top() + 1), QPoint(r.left() + right - 1, r.bottom() - 1)), Qt::black);
}

} // namespace vordalis
