#include "rebound/ui/CDetailview.h"

#include "canvas/QtCanvas.h"
#include "dialogs/ObjectDialogs.h"
#include "model/NexoloDocument.h"
#include "model/Strings.h"
#include "rebound/TTorvDir.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace vordalis {
namespace {

// The member's page at the chart mapping of the main view, on a white ground.
class MemberPage : public QWidget {
public:
    MemberPage(TBasicObj& member, CDetailview& owner) : QWidget(&owner), member_(member), owner_(owner) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        Resize();
    }

    void Resize() {
        Extent e = member_.GetExtent();
        double s = Scale();
        resize(int(std::ceil(e.cx * s)), int(std::ceil(e.cy * s)));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtCanvas canvas(painter, QtCanvas::ForWidget(*this));
        member_.Draw(canvas);
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        double s = Scale();
        int x = int(std::floor(e->position().x() / s)), y = int(std::floor(e->position().y() / s));
        if (owner_.OpenRegion(x, y)) {
            Resize();
            update();
        }
    }

private:
    double Scale() const { return QtCanvas::ScreenScale(QtCanvas::ForWidget(*this).screenHeight); }

    TBasicObj& member_;
    CDetailview& owner_;
};

} // namespace

CDetailview::CDetailview(TBasicObj& member, DialogContext& context, QWidget* parent)
    : QDialog(parent), member_(member), context_(context) {
    setWindowTitle(tr("Detail view"));
    setSizeGripEnabled(true);
    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Base);
    page_ = new MemberPage(member, *this);
    scroll_->setWidget(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    resize(900, 700);
}

bool CDetailview::OpenRegion(int x, int y) {
    int row = -1;
    ObjectDialogs dialogs = FindObjectDialogs(member_.type);
    std::function<bool(TBasicObj&, DialogContext&)> slot;
    switch (member_.HitRegion(x, y, &row)) {
    case TBasicObj::kRegionHeader:
        slot = dialogs.titleAndRemarks;
        break;
    case TBasicObj::kRegionLimits:
        slot = dialogs.limitAndRange;
        break;
    case TBasicObj::kRegionSettings:
        slot = dialogs.settings;
        break;
    default:
        return false;
    }
    if (!slot) {
        QApplication::beep();
        return false;
    }
    DialogContext context{this, context_.viewOptions, context_.mmScale};
    if (!slot(member_, context)) return false;
    changed_ = true;
    return true;
}

bool RunDetailView(TBasicObj& obj, int member, DialogContext& context) {
    auto* summary = dynamic_cast<TTorvDir*>(&obj);
    if (!summary || member < 0 || member >= summary->PositionCount()) return false;
    summary->selectedMember = member;
    TBasicObj& m = *summary->members[static_cast<size_t>(member)];
    // The member is shown with the view's display options; its file keeps its own.
    const int32_t own = m.Options();
    m.SetOptions(context.viewOptions & ~opts::kValueChange);
    CDetailview dlg(m, context, context.parent);
    dlg.exec();
    m.SetOptions(own);
    if (!dlg.Changed()) return false;
    summary->MembersChanged();
    const std::string& path = summary->MemberFile(member);
    QString text = QString::fromStdU16String(LoadString(Str::SaveChangesToOriginal)) + QStringLiteral("\n") +
                   QString::fromLocal8Bit(path);
    if (QMessageBox::question(context.parent, QApplication::applicationDisplayName(), text,
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        // A file that cannot be written is left alone; the change stays in memory.
        WriteObjectToFile(m, path);
    }
    return true;
}

} // namespace vordalis
