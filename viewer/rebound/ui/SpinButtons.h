#pragma once
// The up-down control beside an edit: two small arrow buttons that report a spin delta
// (-1 for one step up, +1 for one step down), as the dialogs' spin handlers expect.
#include <QWidget>

namespace vordalis {

class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);
    // The arrow keys in the edit beside the buttons spin as well.
    void AttachTo(QWidget* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void spun(int delta);
};

} // namespace vordalis
