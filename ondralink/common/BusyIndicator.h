#pragma once
// The sunken field in which a black block swings to and fro while an object arrives.
#include <QFrame>

namespace vordalis {

class BusyIndicator : public QFrame {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget* parent = nullptr);
    void Advance(); // one step, 12 steps make a swing there and back
    void Clear();
    int Step() const { return step_; }
    // The block's left and right edge (relative to the field) for a step and a field width.
    static std::pair<int, int> BlockSpan(int step, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int step_ = 0;
    bool shown_ = false;
};

} // namespace vordalis
