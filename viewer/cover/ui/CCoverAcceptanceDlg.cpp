#include "cover/ui/CCoverAcceptanceDlg.h"

#include "canvas/QtCanvas.h"
#include "dialogs/ObjectDialogs.h"
#include "model/ByteSource.h"
#include "model/ObjectFactory.h"
#include "plot/Canvas.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vordalis {

namespace {

// A file list with buttons to add and remove files.
QWidget* FileBox(const QString& title, QListWidget*& list, QWidget* parent, const std::function<void()>& add,
                 const std::function<void()>& removed) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(box);
    list = new QListWidget(box);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumHeight(70);
    layout->addWidget(list, 1);
    auto* buttons = new QVBoxLayout;
    auto* addButton = new QPushButton(CCoverAcceptanceDlg::tr("&Add..."), box);
    auto* removeButton = new QPushButton(CCoverAcceptanceDlg::tr("&Remove"), box);
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    QObject::connect(addButton, &QPushButton::clicked, box, add);
    QListWidget* l = list;
    QObject::connect(removeButton, &QPushButton::clicked, box, [l, removed] {
        for (QListWidgetItem* item : l->selectedItems()) delete item;
        removed();
    });
    return box;
}

QString Mm(double v) {
    return QString::number(v, 'f', 1) + QStringLiteral(" mm");
}

} // namespace

CCoverAcceptanceDlg::CCoverAcceptanceDlg(TBasicObj& obj, QWidget* parent) : QDialog(parent), obj_(obj) {
    setWindowTitle(tr("Cover acceptance"));
    ownCovers_ = CoversOf(obj).value_or(std::vector<double>{});

    auto* inputs = new QFormLayout;
    design = new QDoubleSpinBox(this);
    design->setRange(0, 500);
    design->setDecimals(1);
    design->setSuffix(QStringLiteral(" mm"));
    design->setValue(25);
    inputs->addRow(tr("&Design cover:"), design);
    member = new QComboBox(this);
    member->addItems({tr("Beam"), tr("Slab"), tr("Custom")});
    inputs->addRow(tr("&Member:"), member);
    auto* tolerances = new QHBoxLayout;
    minus = new QDoubleSpinBox(this);
    plus = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* s : {minus, plus}) {
        s->setRange(0, 100);
        s->setDecimals(1);
        s->setSuffix(QStringLiteral(" mm"));
    }
    minus->setPrefix(QStringLiteral("- "));
    plus->setPrefix(QStringLiteral("+ "));
    tolerances->addWidget(minus);
    tolerances->addWidget(plus);
    inputs->addRow(tr("Tolerance:"), tolerances);

    auto pick = [this](bool second) {
        QStringList paths = QFileDialog::getOpenFileNames(this, tr("Add cover files"), QString(),
                                                          tr("Object files (*.vdo);;All files (*)"));
        AddFiles(paths, second);
    };
    auto resync = [this] {
        // The lists keep the paths; the covers are read again from the files still listed.
        QStringList first, second;
        for (int i = 0; i < firstFiles->count(); ++i) first << firstFiles->item(i)->text();
        for (int i = 0; i < secondFiles->count(); ++i) second << secondFiles->item(i)->text();
        firstFiles->clear();
        secondFiles->clear();
        firstCovers_.clear();
        secondCovers_.clear();
        AddFiles(first, false);
        AddFiles(second, true);
        Judge();
    };
    QWidget* firstBox = FileBox(
        tr("Further files of this sample"), firstFiles, this, [pick] { pick(false); }, resync);
    QWidget* secondBox = FileBox(
        tr("Second sample"), secondFiles, this, [pick] { pick(true); }, resync);

    resultLabel = new QLabel(this);
    resultLabel->setTextFormat(Qt::RichText);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdictLabel = new QLabel(this);
    QFont bold = verdictLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    verdictLabel->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    printButton = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(printButton, &QPushButton::clicked, this, &CCoverAcceptanceDlg::Print);
    connect(copyButton, &QPushButton::clicked, this, &CCoverAcceptanceDlg::Copy);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(firstBox);
    layout->addWidget(secondBox);
    layout->addWidget(resultLabel);
    layout->addWidget(verdictLabel);
    layout->addWidget(buttons);

    connect(member, &QComboBox::currentIndexChanged, this, &CCoverAcceptanceDlg::MemberChanged);
    for (QDoubleSpinBox* s : {design, minus, plus})
        connect(s, &QDoubleSpinBox::valueChanged, this, &CCoverAcceptanceDlg::Judge);
    MemberChanged();
}

int CCoverAcceptanceDlg::AddFiles(const QStringList& paths, bool second) {
    int added = 0;
    QStringList refused;
    for (const QString& path : paths) {
        FileSource file(path.toStdString());
        std::unique_ptr<TBasicObj> obj;
        if (file.IsOpen()) obj = CreateObjectFromFile(file, nullptr, &ShowReadNotice);
        auto covers = obj ? CoversOf(*obj) : std::nullopt;
        if (!covers) {
            refused << QFileInfo(path).fileName();
            continue;
        }
        (second ? secondCovers_ : firstCovers_).push_back(*covers);
        (second ? secondFiles : firstFiles)->addItem(path);
        ++added;
    }
    if (!refused.isEmpty())
        QMessageBox::warning(this, windowTitle(),
                             tr("These files are no cover objects and were left out:") +
                                 QStringLiteral("\n") + refused.join(QStringLiteral("\n")));
    Judge();
    return added;
}

void CCoverAcceptanceDlg::MemberChanged() {
    const int kind = member->currentIndex();
    const bool custom = kind == 2;
    minus->setEnabled(custom);
    plus->setEnabled(custom);
    if (!custom) {
        CoverTolerance t = ToleranceOf(kind == 0 ? MemberKind::Beam : MemberKind::Slab);
        const QSignalBlocker b1(minus), b2(plus);
        minus->setValue(t.minus);
        plus->setValue(t.plus);
    }
    Judge();
}

QString CCoverAcceptanceDlg::VerdictWords() const {
    if (!result_) return tr("No cover to judge");
    switch (result_->verdict) {
    case AcceptanceVerdict::Pass:
        return tr("Pass");
    case AcceptanceVerdict::SecondSampleRequired:
        return tr("Second sample required");
    case AcceptanceVerdict::Fail:
        break;
    }
    return tr("Fail");
}

void CCoverAcceptanceDlg::Judge() {
    std::vector<double> first = ownCovers_;
    for (const auto& c : firstCovers_) first.insert(first.end(), c.begin(), c.end());
    std::optional<std::vector<double>> second;
    if (!secondCovers_.empty()) {
        second.emplace();
        for (const auto& c : secondCovers_) second->insert(second->end(), c.begin(), c.end());
    }
    result_ = JudgeCovers(first, second, design->value(), {minus->value(), plus->value()});
    FillPage();
    QString html = QStringLiteral("<table cellspacing=4>");
    for (const auto& row : page_.rows)
        html += QStringLiteral("<tr><td>%1</td><td align=right>%2</td></tr>")
                    .arg(QString::fromStdU16String(row.label).toHtmlEscaped(),
                         QString::fromStdU16String(row.value).toHtmlEscaped());
    resultLabel->setText(html + QStringLiteral("</table>"));
    verdictLabel->setText(VerdictWords());
    printButton->setEnabled(result_.has_value());
    copyButton->setEnabled(result_.has_value());
}

void CCoverAcceptanceDlg::FillPage() {
    page_.heading = tr("Cover acceptance").toStdU16String();
    page_.verdict = (tr("Verdict:") + QStringLiteral(" ") + VerdictWords()).toStdU16String();
    page_.rows.clear();
    auto row = [this](const QString& label, const QString& value) {
        page_.rows.push_back({label.toStdU16String(), value.toStdU16String()});
    };
    row(tr("Design cover"), Mm(design->value()));
    row(tr("Member"), member->currentText());
    row(tr("Tolerance"), QStringLiteral("-%1 / +%2").arg(Mm(minus->value()), Mm(plus->value())));
    row(tr("Files"), QString::number(1 + firstFiles->count()) +
                         (secondFiles->count() ? QStringLiteral(" + ") + QString::number(secondFiles->count())
                                               : QString()));
    if (!result_) return;
    auto sample = [&](const QString& prefix, const SampleJudgement& s) {
        row(prefix + tr("Points"), QString::number(s.points));
        row(prefix + tr("Within tolerance"), QString::number(s.within));
        row(prefix + tr("Pass rate"), QString::number(s.passRate, 'f', 1) + QStringLiteral(" %"));
        row(prefix + tr("Largest deviation below"), Mm(s.largestBelow));
        row(prefix + tr("Largest deviation above"), Mm(s.largestAbove));
        row(prefix + tr("Beyond 1.5 times the tolerance"), s.beyondLimit ? tr("yes") : tr("no"));
    };
    sample(QString(), result_->first);
    if (result_->combined) sample(tr("Both samples: "), *result_->combined);
}

void CCoverAcceptanceDlg::PrintTo(QPrinter& printer) {
    QPainter painter;
    printer.setFullPage(true);
    QtCanvas::Device device = QtCanvas::ForPrinter(printer);
    if (!painter.begin(&printer)) return;
    QtCanvas canvas(painter, device);
    page_.DrawPrintPage(&canvas, obj_, obj_.options, 1);
}

void CCoverAcceptanceDlg::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
}

void CCoverAcceptanceDlg::Copy() {
    // The page as a picture at 0.1 mm per unit (254 units per inch), and the rows as text.
    constexpr double kDotsPerInch = 150;
    page_.DrawCopy(nullptr, obj_, obj_.options); // a layout pass finds the page's extent
    QtCanvas::Device device;
    device.dotsPerInch = kDotsPerInch;
    const double scale = kDotsPerInch / 254.0;
    QImage image(std::max(1, int(page_.content.right * scale) + 20),
                 std::max(1, int(page_.content.bottom * scale) + 20), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, device);
    canvas.SetMapping(Mapping::Metric);
    page_.DrawCopy(&canvas, obj_, obj_.options);
    painter.end();
    auto* mime = new QMimeData;
    mime->setImageData(image);
    QString text;
    for (const auto& r : page_.rows)
        text += QString::fromStdU16String(r.label) + QLatin1Char('\t') + QString::fromStdU16String(r.value) +
                QLatin1Char('\n');
    mime->setText(text + QString::fromStdU16String(page_.verdict) + QLatin1Char('\n'));
    QApplication::clipboard()->setMimeData(mime);
}

} // namespace vordalis
