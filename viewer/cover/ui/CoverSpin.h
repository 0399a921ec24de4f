#pragma once
// The up-down control beside an edit of the cover dialogs: two arrow buttons reporting a spin
// delta of -1 for one step up and +1 for one step down.
#include <QWidget>

class QToolButton;

namespace vordalis {

class CoverSpin : public QWidget {
    Q_OBJECT
public:
    explicit CoverSpin(QWidget* parent = nullptr);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

signals:
    void spun(int delta);

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace vordalis
