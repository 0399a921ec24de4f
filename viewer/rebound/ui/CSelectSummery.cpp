#include "rebound/ui/CSelectSummery.h"

#include "settings/Settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vordalis {

namespace {
constexpr SelectSummaryLogic::Button kButtons[4] = {SelectSummaryLogic::kSeries, SelectSummaryLogic::kChina,
                                                    SelectSummaryLogic::kSingle, SelectSummaryLogic::kBatch};
} // namespace

CSelectSummery::CSelectSummery(SelectSummaryLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
    setWindowTitle(tr("Select summary"));
    const QString texts[4] = {tr("Torvihammer"), tr("Torvihammer China"), tr("Single component evaluation"),
                              tr("Batch component evaluation")};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        // Each button keeps its own state: the logic decides which are on.
        buttons_[i] = new QRadioButton(texts[i], this);
        buttons_[i]->setAutoExclusive(false);
        buttons_[i]->setObjectName(QStringLiteral("button%1").arg(int(kButtons[i])));
        connect(buttons_[i], &QRadioButton::clicked, this, [this, i] {
            logic_.Click(kButtons[i]);
            Show();
        });
    }
    auto* seriesCount = new QLabel(QString::fromStdU16String(logic_.SeriesCountText()), this);
    seriesCount->setObjectName("static1096");
    auto* chinaCount = new QLabel(QString::fromStdU16String(logic_.ChinaCountText()), this);
    chinaCount->setObjectName("static1097");
    grid->addWidget(buttons_[0], 0, 0);
    grid->addWidget(seriesCount, 0, 1);
    grid->addWidget(buttons_[1], 1, 0);
    grid->addWidget(chinaCount, 1, 1);
    grid->addWidget(buttons_[2], 2, 0, 1, 2);
    grid->addWidget(buttons_[3], 3, 0, 1, 2);
    grid->setColumnMinimumWidth(0, 220);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &CSelectSummery::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CSelectSummery::reject);
    Show();
}

void CSelectSummery::Show() {
    for (int i = 0; i < 4; ++i) {
        buttons_[i]->setChecked(logic_.Checked(kButtons[i]));
        buttons_[i]->setEnabled(logic_.Enabled(kButtons[i]));
    }
}

void CSelectSummery::accept() {
    if (logic_.CanAccept()) QDialog::accept();
}

SummaryChoice ChooseSummary(QWidget* parent, int seriesCount, int chinaCount) {
    SelectSummaryLogic logic(seriesCount, chinaCount);
    CSelectSummery dlg(logic, parent);
    if (dlg.exec() != QDialog::Accepted) return {};
    return logic.Choice();
}

bool RunSummaryBuilder(QWidget* parent, std::u16string& title) {
    QString folder = QString::fromStdU16String(settings::DataFolder());
    QStringList files =
        QFileDialog::getOpenFileNames(parent, QString(), QDir(folder).filePath(QStringLiteral("*.vdo")),
                                      CSelectSummery::tr("Vordalis Object Files (*.vdo)") +
                                          QStringLiteral(";;") + CSelectSummery::tr("All Files (*)"));
    if (files.isEmpty()) return false;
    std::vector<std::string> chosen;
    for (const QString& f : files) chosen.push_back(QFile::encodeName(f).toStdString());
    const std::string out =
        QFile::encodeName(QDir(QDir::tempPath()).filePath(QStringLiteral("dir.vdo"))).toStdString();
    SummaryBuildResult r = BuildReboundSummary(
        chosen, out, [parent](int series, int china) { return ChooseSummary(parent, series, china); });
    if (r.status != kSummaryBuilt) return false;
    title = r.title;
    return true;
}

} // namespace vordalis
