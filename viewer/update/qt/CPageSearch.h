#pragma once
// The wizard's first page, "Searching for updates...": what is searched for, the state of the
// search (connecting, receiving, the result or the connection's error) and a spare line.
#include <QWidget>

class QLabel;

namespace vordalis {

class CPageSearch : public QWidget {
    Q_OBJECT
public:
    explicit CPageSearch(QWidget* parent = nullptr);

    QLabel* title() const { return title_; }
    QLabel* first() const { return first_; }
    QLabel* second() const { return second_; }
    QLabel* third() const { return third_; }

private:
    QLabel* title_;
    QLabel* first_;
    QLabel* second_;
    QLabel* third_;
};

} // namespace vordalis
