#include "app/CNexoloView.h"

#include "app/CNexoloDoc.h"
#include "app/Commands.h"
#include "app/PageCanvas.h"
#include "app/TitleAndRemarks.h"
#include "canvas/PrintedPages.h"
#include "dialogs/ObjectDialogs.h"
#include "model/Strings.h"
#include "plot/PageTableText.h"
#include "plot/TBasicPlot.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <cmath>

namespace vordalis {

namespace {

// The timer that resets the read-out when the mouse has left the view.
constexpr int kTimerMs = 150;

bool IsRebound(const TBasicObj& obj) {
    return obj.type >= kTypeReboundSeries;
}

} // namespace

CNexoloView::CNexoloView(CNexoloDoc* doc, QWidget* parent) : QAbstractScrollArea(parent), doc_(doc) {
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    startFolder_ = QDir::currentPath();
    QString folder = QString::fromStdU16String(settings::DataFolder());
    if (QDir(folder).exists()) QDir::setCurrent(folder);
    options_.Load();
    zoom_.Load();
    doc_->SetMmScale(options_.mmScale);
    connect(doc_, &CNexoloDoc::Updated, this, &CNexoloView::OnUpdate);
}

CNexoloView::~CNexoloView() {
    StoreSettings();
    QDir::setCurrent(startFolder_);
}

void CNexoloView::StoreSettings() const {
    settings::WriteString(settings::kDataFolder, QDir::currentPath().toStdU16String());
    options_.Store();
    zoom_.Store();
}

TBasicObj* CNexoloView::Obj() const {
    return doc_->Object();
}

// --- commands ---

bool CNexoloView::Handles(int id) const {
    return options_.Handles(id) || cmd::IsZoomCommand(id) || id == cmd::LimitAndRange ||
           id == cmd::TitleAndRemarks || id == cmd::Settings || id == cmd::CoverAcceptance;
}

bool CNexoloView::IsCommandEnabled(int id) const {
    if (id == cmd::CoverAcceptance) return Obj() && FindObjectDialogs(Obj()->type).coverAcceptance != nullptr;
    if (cmd::IsZoomCommand(id)) return true;
    return options_.Enabled(id, Obj());
}

bool CNexoloView::IsCommandChecked(int id) const {
    if (id == cmd::FitWidth) return zoom_.GetMode() == Zoom::Mode::FitWidth;
    if (id == cmd::FitPage) return zoom_.GetMode() == Zoom::Mode::FitPage;
    return options_.Checked(id, Obj());
}

void CNexoloView::OnCommand(int id) {
    switch (id) {
    case cmd::LimitAndRange:
        OnLimitAndRange();
        return;
    case cmd::TitleAndRemarks:
        OnTitleAndRemarks();
        return;
    case cmd::Settings:
        OnSettings();
        return;
    case cmd::CoverAcceptance:
        if (Obj() && FindObjectDialogs(Obj()->type).coverAcceptance) {
            DialogContext context{this, options_.current, options_.mmScale};
            FindObjectDialogs(Obj()->type).coverAcceptance(*Obj(), context);
        }
        return;
    default:
        break;
    }
    if (cmd::IsZoomCommand(id)) {
        // Keyboard and menu zoom about the middle of the window.
        ChangeZoom(id, viewport()->rect().center());
        return;
    }
    switch (options_.Command(id, Obj())) {
    case ViewOptions::Effect::None:
        break;
    case ViewOptions::Effect::Redraw:
        Redraw();
        break;
    case ViewOptions::Effect::Apply:
        Apply();
        break;
    case ViewOptions::Effect::Modified:
        doc_->SetModifiedFlag();
        doc_->UpdateAllViews();
        break;
    case ViewOptions::Effect::MmScale:
        doc_->SetMmScale(options_.mmScale);
        Redraw();
        break;
    }
    emit StateChanged();
}

void CNexoloView::Redraw() {
    options_.changed = true;
    doc_->SetModifiedFlag();
    viewport()->update();
}

void CNexoloView::Apply() {
    options_.changed = true;
    if (Obj()) Obj()->SetOptions(options_.current);
    doc_->SetModifiedFlag();
    doc_->UpdateAllViews();
}

void CNexoloView::OnTitleAndRemarks() {
    TBasicObj* obj = Obj();
    if (!obj) return;
    ObjectDialogs dialogs = FindObjectDialogs(obj->type);
    auto run = dialogs.titleAndRemarks ? dialogs.titleAndRemarks : RunTitleAndRemarks;
    DialogContext context{this, options_.current, options_.mmScale};
    if (run(*obj, context)) doc_->SetModifiedFlag();
    doc_->UpdateAllViews();
}

void CNexoloView::OnLimitAndRange() {
    TBasicObj* obj = Obj();
    if (!obj) return;
    ObjectDialogs dialogs = FindObjectDialogs(obj->type);
    if (!dialogs.limitAndRange) {
        QApplication::beep();
        return;
    }
    DialogContext context{this, options_.current, options_.mmScale};
    if (dialogs.limitAndRange(*obj, context)) {
        if (!IsRebound(*obj)) {
            // The cover limit dialog decides the two initial-setting bits of the options.
            options_.current = context.viewOptions;
            options_.changed = true;
        }
        doc_->SetModifiedFlag();
    }
    doc_->UpdateAllViews();
}

void CNexoloView::OnSettings() {
    TBasicObj* obj = Obj();
    if (!obj || !IsRebound(*obj)) return;
    ObjectDialogs dialogs = FindObjectDialogs(obj->type);
    if (!dialogs.settings) {
        QApplication::beep();
        return;
    }
    DialogContext context{this, options_.current, options_.mmScale};
    if (dialogs.settings(*obj, context)) doc_->SetModifiedFlag();
    doc_->UpdateAllViews();
}

void CNexoloView::ModifyValue(double x, double y, double value) {
    TBasicObj* obj = Obj();
    if (!obj || !(options_.current & opts::kValueChange)) return;
    int flags = obj->GetEditFlags();
    if (value <= 0 && !(flags & edit::kNonPositiveValue)) return;
    ObjectDialogs dialogs = FindObjectDialogs(obj->type);
    if (!dialogs.modifyValue) {
        QApplication::beep();
        return;
    }
    bool imperial = obj->imperial != 0;
    ModifyValueRequest request;
    request.editFlags = flags;
    request.unit = !imperial ? u"mm" : (obj->type <= kTypeCoverBars ? u"in" : u"ft");
    request.mmScale = !imperial && options_.mmScale;
    request.precision = imperial ? 2 : 0;
    request.x = x;
    request.y = y;
    request.value = value;
    request.minValue = imperial ? obj->GetMinValue() / 10 : obj->GetMinValue();
    request.maxValue = imperial ? obj->GetMaxValue() / 10 : obj->GetMaxValue();
    DialogContext context{this, options_.current, options_.mmScale};
    std::optional<double> result = dialogs.modifyValue(request, context);
    if (!result) return;
    obj->SetValueAt(x, y, imperial ? *result / kInchPerMm : *result);
    doc_->SetModifiedFlag();
    Redraw();
}

void CNexoloView::DetailView(int member) {
    TBasicObj* obj = Obj();
    ObjectDialogs dialogs = FindObjectDialogs(obj->type);
    if (!dialogs.detailView) return;
    DialogContext context{this, options_.current, options_.mmScale};
    dialogs.detailView(*obj, member, context);
    doc_->UpdateAllViews();
}

// --- read-out ---

double CNexoloView::Scale() const {
    return ScreenUnitScale(*this) * zoom_.Factor();
}

int CNexoloView::WidthForPage() {
    int units = TBasicPlot::kScreenPage.right + 30;
    if (TBasicObj* obj = Obj()) {
        options_.EnsureObjectOptions(*obj);
        units = std::max(1, obj->GetExtent().cx);
    }
    return int(std::ceil(units * Scale())) + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void CNexoloView::ChangeZoom(int command, QPoint anchor) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    double before = Scale();
    QPointF page((anchor.x() + h->value()) / before, (anchor.y() + v->value()) / before);
    switch (command) {
    case cmd::ZoomIn:
        zoom_.In();
        break;
    case cmd::ZoomOut:
        zoom_.Out();
        break;
    case cmd::ActualSize:
        zoom_.SetPercent(100);
        break;
    case cmd::FitWidth:
        zoom_.SetMode(Zoom::Mode::FitWidth);
        break;
    case cmd::FitPage:
        zoom_.SetMode(Zoom::Mode::FitPage);
        break;
    default:
        return;
    }
    UpdateScrollRange();
    double after = Scale();
    h->setValue(int(std::lround(page.x() * after)) - anchor.x());
    v->setValue(int(std::lround(page.y() * after)) - anchor.y());
    viewport()->update();
    emit ZoomChanged(int(std::lround(zoom_.Percent())));
    emit StateChanged();
}

QPoint CNexoloView::ToChart(const QPoint& p) const {
    double scale = Scale();
    double x = (p.x() + horizontalScrollBar()->value()) / scale;
    double y = (p.y() + verticalScrollBar()->value()) / scale;
    return QPoint(int(std::floor(x)), int(std::floor(y)));
}

QPoint CNexoloView::FromChart(const QPoint& c) const {
    double scale = Scale();
    return QPoint(int(std::lround((c.x() + 0.5) * scale)) - horizontalScrollBar()->value(),
                  int(std::lround((c.y() + 0.5) * scale)) - verticalScrollBar()->value());
}

void CNexoloView::SetReadOut(const ReadOut& r) {
    readOut_ = r;
    if (r.hint != lastHint_) {
        lastHint_ = r.hint;
        emit HintChanged(HintText());
    }
    emit StateChanged();
}

QString CNexoloView::HintText() const {
    const Str id = HintStringId(readOut_.hint, options_.current);
    return id != Str::None ? QString::fromStdU16String(LoadString(id)) : QString();
}

QString CNexoloView::PositionPaneText() const {
    TBasicObj* obj = Obj();
    if (!obj) return {};
    return QString::fromStdU16String(
        PositionText(readOut_, *obj, options_.mmScale, FindObjectDialogs(obj->type).memberTitle));
}

QString CNexoloView::ValuePaneText() const {
    TBasicObj* obj = Obj();
    if (!obj) return {};
    auto kind = FindObjectDialogs(obj->type).summaryKind;
    return QString::fromStdU16String(ValueText(readOut_, *obj, kind ? kind(*obj) : 6));
}

void CNexoloView::mouseMoveEvent(QMouseEvent* event) {
    ReadOut r;
    if (TBasicObj* obj = Obj()) {
        QPoint c = ToChart(event->position().toPoint());
        r = ProbeObject(*obj, c.x(), c.y());
    }
    SetReadOut(r);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CNexoloView::mouseDoubleClickEvent(QMouseEvent* event) {
    TBasicObj* obj = Obj();
    if (!obj || event->button() != Qt::LeftButton) return;
    QPoint c = ToChart(event->position().toPoint());
    double x = obj->HitX(c.x(), c.y());
    double y = obj->HitY(c.x(), c.y());
    if (x >= 0 && y >= 0) {
        if (obj->type == kTypeReboundSummary) DetailView(int(x) - 1);
        ModifyValue(x, y, obj->HitValue(c.x(), c.y()) * (obj->imperial ? kInchPerMm : 1.0));
        return;
    }
    int row = -1;
    int region = obj->HitRegion(c.x(), c.y(), &row);
    if (region == TBasicObj::kRegionHeader)
        OnTitleAndRemarks();
    else if (region == TBasicObj::kRegionLimits)
        OnLimitAndRange();
    else if (region == TBasicObj::kRegionSettings && IsRebound(*obj))
        OnSettings();
    else if (region >= TBasicObj::kRegionSettings) {
        x = obj->RowX(row);
        y = obj->RowY(row);
        if (x >= 0 && y >= 0) {
            if (obj->type == kTypeReboundSummary) DetailView(int(x) - 1);
            ModifyValue(x, y, obj->RowValue(row) * (obj->imperial ? kInchPerMm : 1.0));
        }
    }
    emit StateChanged();
}

void CNexoloView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Ctrl+wheel zooms about the mouse; one notch (120) is one step, finer wheels add up.
    wheelDelta_ += event->angleDelta().y();
    int notches = wheelDelta_ / 120;
    wheelDelta_ -= notches * 120;
    QPoint at = event->position().toPoint();
    for (; notches > 0; --notches) ChangeZoom(cmd::ZoomIn, at);
    for (; notches < 0; ++notches) ChangeZoom(cmd::ZoomOut, at);
    event->accept();
}

// --- painting and scrolling ---

void CNexoloView::paintEvent(QPaintEvent*) {
    TBasicObj* obj = Obj();
    if (!obj) return;
    options_.PrepareForPaint(*obj);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    std::unique_ptr<Canvas> canvas = MakeScreenCanvas(painter, *this, zoom_.Factor());
    obj->Draw(*canvas);
}

void CNexoloView::UpdateScrollRange() {
    QSize page(0, 0);
    if (TBasicObj* obj = Obj()) {
        options_.EnsureObjectOptions(*obj);
        obj->mmScale = options_.mmScale;
        Extent e = obj->GetExtent();
        // A fit follows the window: the size without scroll bars, less the vertical one when
        // the fitted width leaves the page taller than the window.
        QSize room = maximumViewportSize();
        double base = ScreenUnitScale(*this);
        zoom_.Fit(e.cx * base, e.cy * base, room.width(), room.height(),
                  style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
        double scale = Scale();
        page = QSize(int(std::ceil(e.cx * scale)), int(std::ceil(e.cy * scale)));
    }
    QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, page.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, page.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 100));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 100));
}

void CNexoloView::OnUpdate() {
    UpdateScrollRange();
    viewport()->update();
    emit StateChanged();
}

void CNexoloView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void CNexoloView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!timer_.isActive()) timer_.start(kTimerMs, this);
    UpdateScrollRange();
}

void CNexoloView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        ctrl ? v->setValue(v->minimum()) : h->setValue(h->minimum());
        break;
    case Qt::Key_End:
        ctrl ? v->setValue(v->maximum()) : h->setValue(h->maximum());
        break;
    case Qt::Key_Up:
        v->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        h->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CNexoloView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())) &&
        (readOut_.x != -1 || readOut_.value != -1 || readOut_.y != -1 || readOut_.hint != -1)) {
        SetReadOut(ReadOut{});
    }
    emit Tick();
}

// --- printing and copy ---

int CNexoloView::PrintPageCount(QPrinter& printer) {
    TBasicObj* obj = Obj();
    if (!obj) return 1;
    options_.EnsureObjectOptions(*obj);
    return PrintedPageCount(*obj, printer);
}

void CNexoloView::PrintPages(QPrinter& printer, int fromPage, int toPage) {
    TBasicObj* obj = Obj();
    if (!obj) return;
    options_.EnsureObjectOptions(*obj);
    vordalis::PrintPages(*obj, printer, fromPage, toPage);
}

bool CNexoloView::CopyToClipboard() {
    TBasicObj* obj = Obj();
    if (!obj) return false;
    options_.EnsureObjectOptions(*obj);
    Extent size = obj->GetCopySize();
    if (size.cx <= 0 || size.cy <= 0) return false;
    // One logical unit is 0.1 mm: 254 units per inch.
    constexpr int kUnitsPerInch = 254;
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(kUnitsPerInch);
        generator.setSize(QSize(size.cx, size.cy));
        generator.setViewBox(QRect(0, 0, size.cx, size.cy));
        generator.setTitle(doc_->Title());
        QPainter painter(&generator);
        std::unique_ptr<Canvas> canvas = MakeCopyCanvas(painter, kUnitsPerInch);
        obj->DrawCopy(*canvas);
    }
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        std::unique_ptr<Canvas> canvas = MakeCopyCanvas(painter, kUnitsPerInch);
        obj->DrawCopy(*canvas);
    }
    auto* mime = new QMimeData;
    mime->setData("image/svg+xml", svg);
    mime->setImageData(image);
    // The table of values as tab-separated text, which spreadsheets paste as columns.
    std::u16string table = TabSeparated(PageTableText(*obj));
    if (!table.empty()) mime->setText(QString::fromStdU16String(table));
    QApplication::clipboard()->setMimeData(mime);
    // The table was found on a layout of its own: the next paint lays out the hit regions anew.
    viewport()->update();
    return true;
}

} // namespace vordalis
