#pragma once
// The Select summary dialog (154): which kind of summary to build from the chosen files, a thin
// Qt face over SelectSummaryLogic.
#include "rebound/SelectSummaryLogic.h"

#include <QDialog>

class QLabel;
class QRadioButton;

namespace vordalis {

class CSelectSummery : public QDialog {
    Q_OBJECT
public:
    CSelectSummery(SelectSummaryLogic& logic, QWidget* parent = nullptr);
    void accept() override;

private:
    void Show();

    SelectSummaryLogic& logic_;
    QRadioButton* buttons_[4];
};

// The chooser of the summary builder: runs the dialog; all flags cleared on Cancel.
SummaryChoice ChooseSummary(QWidget* parent, int seriesCount, int chinaCount);
// Create Summary: the multiple-file dialog in "DataFolder", the choice, and "dir.vdo" in the
// temporary folder. False on Cancel or failure; title gets the summary's title.
bool RunSummaryBuilder(QWidget* parent, std::u16string& title);

} // namespace vordalis
