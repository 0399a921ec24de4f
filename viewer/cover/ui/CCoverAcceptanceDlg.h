#pragma once
// "Cover acceptance": judges the covers of the open cover object, and of further files, against
// a design cover with a member kind's tolerance; shows the judgement and prints or copies it as
// a small report page.
#include "cover/CoverAcceptance.h"
#include "cover/TAcceptancePlot.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

namespace vordalis {

class CCoverAcceptanceDlg : public QDialog {
    Q_OBJECT
public:
    CCoverAcceptanceDlg(TBasicObj& obj, QWidget* parent = nullptr);

    // Adds cover files to the first sample (second = false) or to the second sample; a file that
    // is not a cover object is named in a message and left out. Returns how many were added.
    int AddFiles(const QStringList& paths, bool second);
    // The judgement of the inputs as they stand; nothing when no point is there.
    const std::optional<AcceptanceResult>& Result() const { return result_; }
    // The verdict in words, as the dialog and the page show it.
    QString VerdictWords() const;
    // Prints the report page on a printer (or PDF) that is set up already.
    void PrintTo(QPrinter& printer);

    QDoubleSpinBox* design;
    QComboBox* member;
    QDoubleSpinBox* minus;
    QDoubleSpinBox* plus;
    QListWidget* firstFiles;
    QListWidget* secondFiles;
    QLabel* resultLabel;
    QLabel* verdictLabel;
    QPushButton* printButton;
    QPushButton* copyButton;

private:
    void MemberChanged();
    void Judge();
    void FillPage();
    void Print();
    void Copy();

    TBasicObj& obj_;
    std::vector<double> ownCovers_;
    std::vector<std::vector<double>> firstCovers_, secondCovers_;
    std::optional<AcceptanceResult> result_;
    TAcceptancePlot page_;
};

} // namespace vordalis
