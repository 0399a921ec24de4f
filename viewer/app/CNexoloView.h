#pragma once
// The viewer's only view: one tall page painted by the current object, scrolled in a window.
// It owns the display options (ViewOptions), turns the mouse into status read-outs and
// hints, and opens the editing dialogs on double-click.
#include "app/ReadOut.h"
#include "app/ViewOptions.h"
#include "app/Zoom.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>

class QPrinter;

namespace vordalis {

class CNexoloDoc;

class CNexoloView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CNexoloView(CNexoloDoc* doc, QWidget* parent = nullptr);
    ~CNexoloView() override;

    CNexoloDoc* Document() const { return doc_; }
    ViewOptions& Options() { return options_; }
    const ViewOptions& Options() const { return options_; }

    // The View and Edit commands of the view, with their enabling and tick marks.
    bool Handles(int id) const;
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;

    // Dialog commands (also reached by double-click).
    void OnTitleAndRemarks();
    void OnLimitAndRange();
    void OnSettings();

    // Read-out of what the mouse is over, and the texts of the panes 2027, 2028, 2029.
    const ReadOut& CurrentReadOut() const { return readOut_; }
    QString PositionPaneText() const;
    QString ValuePaneText() const;
    bool LimitAlarm() const { return readOut_.belowLimit; }
    QString HintText() const;
    // Chart coordinates (y downwards from the page top) of a point of the viewport.
    QPoint ToChart(const QPoint& viewportPos) const;
    QPoint FromChart(const QPoint& chartPos) const;

    // The page's magnification (View > Zoom In ... Fit Page, Ctrl+wheel).
    const Zoom& PageZoom() const { return zoom_; }
    // Changes the zoom keeping the page point under the viewport point anchor where it is.
    void ChangeZoom(int command, QPoint anchor);
    // Viewport pixels per chart unit: the screen's chart mapping times the zoom.
    double Scale() const;
    // The view's width that shows the page's whole width (the screen page's when there is no
    // object) with the vertical scroll bar beside it.
    int WidthForPage();

    // Recomputes the scroll range from the object's extent and repaints.
    void OnUpdate();

    // Printing and copy (the object's options are made sure first).
    int PrintPageCount(QPrinter& printer);
    void PrintPages(QPrinter& printer, int fromPage, int toPage);
    bool CopyToClipboard();

    // Writes "DataFolder", "Mode0".."Mode3" and "mmScl".
    void StoreSettings() const;

signals:
    // The hint for the message pane changed (empty: clear it).
    void HintChanged(const QString& text);
    // Options, read-out or enabling may have changed.
    void StateChanged();
    // The zoom changed (percent).
    void ZoomChanged(int percent);
    // The view's timer ran out (every 150 ms while it is shown).
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    TBasicObj* Obj() const;
    void Redraw();
    void Apply();
    void UpdateScrollRange();
    void SetReadOut(const ReadOut& r);
    void ModifyValue(double x, double y, double value);
    void DetailView(int member);

    CNexoloDoc* doc_;
    ViewOptions options_;
    Zoom zoom_;
    int wheelDelta_ = 0; // wheel rotation not yet turned into zoom steps (1/8 degree)
    ReadOut readOut_;
    int lastHint_ = -1;
    QString startFolder_;
    QBasicTimer timer_;
};

} // namespace vordalis
