#pragma once
// The wizard's second page, "Downloading...": which file, a progress bar and the megabytes
// received so far.
#include <QWidget>

class QLabel;
class QProgressBar;

namespace vordalis {

class CPageDownload : public QWidget {
    Q_OBJECT
public:
    explicit CPageDownload(QWidget* parent = nullptr);

    QLabel* title() const { return title_; }
    QLabel* status() const { return status_; }
    QProgressBar* progress() const { return progress_; }
    QLabel* size() const { return size_; }

private:
    QLabel* title_;
    QLabel* status_;
    QProgressBar* progress_;
    QLabel* size_;
};

} // namespace vordalis
