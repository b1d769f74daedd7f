#include "control.h"
#include "show_exception.h"


#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

namespace {

Qt::CursorShape CursorShape(TCursor c)
{
    switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

// The widget under a point of the screen, searched from the active window.
QWidget* WidgetAtGlobal(const QPoint& global)
{
    QWidgetList windows = QApplication::topLevelWidgets();
    std::stable_partition(windows.begin(), windows.end(), [](QWidget* w) { return w->isActiveWindow(); });
    for (QWidget* w : windows) {
        if (!w->isVisible() || (w->windowFlags() & Qt::Popup) == Qt::Popup)
            continue;
        const QPoint local = w->mapFromGlobal(global);
        if (!w->rect().contains(local))
            continue;
        QWidget* child = w->childAt(local);
        return child ? child : w;
    }
    return nullptr;
}

// The innermost control at or above a widget.
TControl* ControlAtOrAbove(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (TControl* c = TControl::FromWidget(w))
            return c;
    return nullptr;
}

QPoint LocalPos(const TControl* c, const QPoint& global)
{
    return c ? c->ControlWidget()->mapFromGlobal(global) : global;
}

} // namespace

// Watches the control's widget and its parent for what the standard members
// react to, and runs the one drag that can be under way at a time.
class TControlLink : public QObject {
public:
    explicit TControlLink(TControl* control)
        : FControl(control)
    {
        FControl->FWidget->installEventFilter(this);
        WatchParent();
    }

    void WatchParent()
    {
        if (FParent)
            FParent->removeEventFilter(this);
        FParent = FControl->FWidget->parentWidget();
        if (FParent)
            FParent->installEventFilter(this);
    }

    // Drag and drop: one drag at a time in the program.
    struct TDrag {
        TControl* Source = nullptr;
        bool Started = false;
        QPoint PressedAt;
        QPoint At; // where the pointer was last seen
        int Threshold = 0;
        TControl* Target = nullptr;
        bool Accepted = false;
        std::unique_ptr<QObject> Watcher; // application-wide filter while dragging
    };
    static TDrag& Drag()
    {
        static TDrag drag;
        return drag;
    }
    static void Begin(TControl* source, bool immediate, int threshold, const QPoint& at);
    static void MoveTo(const QPoint& global);
    static void Finish(bool drop, const QPoint& global);
    // Ends the drag of a control that goes away, without events.
    static void Abandon();
    static bool Dragging(const TControl* c) { return Drag().Source == c; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool WidgetEvent(QEvent* e);
    void ParentEvent(QEvent* e);
    static void Start();
    static void Leave();

    TControl* FControl;
    QPointer<QWidget> FParent;
};

// While a drag is under way, the pointer and Escape steer it wherever they
// go in the program; a drag that has not started yet lets them through.
class TDragWatcher : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        return GuardEvent(true, [e] { return Steer(e); });
    }

private:
    static bool Steer(QEvent* e)
    {
        const bool started = TControlLink::Drag().Started;
        switch (e->type()) {
        case QEvent::MouseMove:
            TControlLink::MoveTo(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return started;
        case QEvent::MouseButtonRelease:
            // Ends the watch; nothing of this object is touched afterwards.
            TControlLink::Finish(true, static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return started;
        case QEvent::KeyPress:
            if (started && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                TControlLink::Finish(false, TControlLink::Drag().At);
                return true;
            }
            return false;
        default: return false;
        }
    }
};

// A drag handler that fails leaves no drag half under way: the pointer
// and the cursor are the program's again.
class TEndDragOnError {
public:
    TEndDragOnError() = default;
    TEndDragOnError(const TEndDragOnError&) = delete;
    TEndDragOnError& operator=(const TEndDragOnError&) = delete;
    ~TEndDragOnError()
    {
        if (std::uncaught_exceptions() > FUnwinding && TControlLink::Drag().Source)
            TControlLink::Abandon();
    }

private:
    int FUnwinding = std::uncaught_exceptions();
};

void TControlLink::Begin(TControl* source, bool immediate, int threshold, const QPoint& at)
{
    TDrag& d = Drag();
    if (d.Source)
        return;
    d.Source = source;
    d.Started = false;
    d.PressedAt = at;
    d.At = at;
    d.Threshold = immediate ? 0 : threshold < 0 ? QApplication::startDragDistance() : threshold;
    d.Target = nullptr;
    d.Accepted = false;
    d.Watcher = std::make_unique<TDragWatcher>();
    qApp->installEventFilter(d.Watcher.get());
    if (immediate)
        MoveTo(at);
}

void TControlLink::Start()
{
    TDrag& d = Drag();
    d.Started = true;
    QObject* sender = d.Source->FWidget;
    const TStartDragEvent& handler = d.Source->FDragKind == dkDock ? d.Source->OnStartDock : d.Source->OnStartDrag;
    QGuiApplication::setOverrideCursor(QCursor(CursorShape(crNoDrop)));
    if (handler)
        handler(sender);
}

void TControlLink::Leave()
{
    TDrag& d = Drag();
    TControl* old = d.Target;
    d.Target = nullptr;
    d.Accepted = false;
    if (old && old->OnDragOver) {
        bool accept = false;
        const QPoint p = LocalPos(old, d.At);
        old->OnDragOver(old->FWidget, d.Source->FWidget, p.x(), p.y(), dsDragLeave, accept);
    }
}

void TControlLink::MoveTo(const QPoint& global)
{
    TDrag& d = Drag();
    if (!d.Source)
        return;
    const TEndDragOnError endOnError;
    d.At = global;
    if (!d.Started) {
        if ((global - d.PressedAt).manhattanLength() < d.Threshold)
            return;
        Start();
        if (!d.Source)
            return; // OnStartDrag ended it
    }
    TControl* target = ControlAtOrAbove(WidgetAtGlobal(global));
    const bool entering = target != d.Target;
    if (entering)
        Leave();
    d.Target = target;
    d.Accepted = false;
    if (target && target->OnDragOver) {
        bool accept = true;
        const QPoint p = LocalPos(target, global);
        target->OnDragOver(target->FWidget, d.Source->FWidget, p.x(), p.y(), entering ? dsDragEnter : dsDragMove,
                           accept);
        d.Accepted = accept;
    }
    if (d.Source)
        QGuiApplication::changeOverrideCursor(QCursor(CursorShape(d.Accepted ? d.Source->FDragCursor : crNoDrop)));
}

void TControlLink::Finish(bool drop, const QPoint& global)
{
    TDrag& d = Drag();
    TControl* source = d.Source;
    if (!source)
        return;
    const TEndDragOnError endOnError;
    const bool started = d.Started;
    if (started && drop)
        MoveTo(global);
    TControl* target = started && drop && d.Accepted ? d.Target : nullptr;
    if (!target)
        Leave();
    d.Target = nullptr;
    d.Source = nullptr;
    d.Watcher.reset();
    if (!started)
        return;
    QGuiApplication::restoreOverrideCursor();
    const QPoint p = LocalPos(target ? target : source, global);
    if (target && target->OnDragDrop)
        target->OnDragDrop(target->FWidget, source->FWidget, p.x(), p.y());
    const TEndDragEvent& done = source->FDragKind == dkDock ? source->OnEndDock : source->OnEndDrag;
    if (done)
        done(source->FWidget, target ? target->FWidget : nullptr, p.x(), p.y());
}

void TControlLink::Abandon()
{
    TDrag& d = Drag();
    if (d.Started)
        QGuiApplication::restoreOverrideCursor();
    d = TDrag();
}

bool TControlLink::eventFilter(QObject* watched, QEvent* e)
{
    const bool own = watched == FControl->FWidget;
    // A failed handler of the control's own event ends that event; the
    // parent's events go on to the parent.
    return GuardEvent(own, [&] {
        if (own)
            return WidgetEvent(e);
        if (watched == FParent)
            ParentEvent(e);
        return false;
    });
}

bool TControlLink::WidgetEvent(QEvent* e)
{
    TControl& c = *FControl;
    switch (e->type()) {
    case QEvent::ParentChange:
        WatchParent();
        c.RecordPlacement();
        if (c.FParentShowHint)
            c.TakeParentShowHint();
        if (c.FParentColor)
            c.TakeParentColor();
        if (c.FParentFont)
            c.TakeParentFont();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (!c.FBeingPlaced) {
            c.RecordPlacement();
            if (c.FAlign != alNone && c.FAlign != alCustom && FParent)
                TControl::AlignControls(FParent);
        }
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (c.FAlign != alNone && FParent)
            TControl::AlignControls(FParent);
        break;
    case QEvent::FontChange:
        if (c.FWidget->testAttribute(Qt::WA_SetFont) && !c.FTakingParentFont)
            c.FParentFont = false;
        else if (c.FParentFont)
            c.TakeParentFont();
        if (c.FAutoSize && !c.Loading())
            c.AdjustAutoSize();
        break;
    case QEvent::ContextMenu:
        if (QMenu* menu = c.PopupMenu()) {
            menu->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (c.FDragMode == dmAutomatic && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton &&
            c.FWidget->isEnabled()) {
            // The press starts the drag instead of reaching the control.
            Begin(&c, true, 0, static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return true;
        }
        break;
    default: break;
    }
    return false;
}

void TControlLink::ParentEvent(QEvent* e)
{
    TControl& c = *FControl;
    switch (e->type()) {
    case QEvent::Resize:
        c.ParentResized(static_cast<QResizeEvent*>(e)->oldSize());
        break;
    case QEvent::PaletteChange:
        if (c.FParentColor)
            c.TakeParentColor();
        break;
    default: break;
    }
}

// --- TSizeConstraints --------------------------------------------------------

void TSizeConstraints::Set(int& field, int v)
{
    v = std::max(v, 0);
    if (field == v)
        return;
    field = v;
    if (OnChange)
        OnChange();
}

void TSizeConstraints::Assign(const TSizeConstraints& v)
{
    const bool changed = FMinWidth != v.FMinWidth || FMinHeight != v.FMinHeight || FMaxWidth != v.FMaxWidth ||
                         FMaxHeight != v.FMaxHeight;
    FMinWidth = v.FMinWidth;
    FMinHeight = v.FMinHeight;
    FMaxWidth = v.FMaxWidth;
    FMaxHeight = v.FMaxHeight;
    if (changed && OnChange)
        OnChange();
}

// --- TControl ----------------------------------------------------------------

TControl::TControl(QWidget* self, TColor defaultColor)
    : FWidget(self),
      FColor(defaultColor)
{
    FLink = std::make_unique<TControlLink>(this);
    FConstraints.OnChange = [this] { ApplyConstraints(); };
    RecordPlacement();
    TakeParentShowHint();
}

TControl::~TControl()
{
    if (TControlLink::Dragging(this))
        TControlLink::Abandon();
}

TControl* TControl::FromWidget(QWidget* w)
{
    return dynamic_cast<TControl*>(w);
}

// --- placement ---------------------------------------------------------------

void TControl::SetAlign(TAlign v)
{
    if (v == FAlign)
        return;
    FAlign = v;
    if (QWidget* parent = FWidget->parentWidget())
        AlignControls(parent);
}

void TControl::SetAnchors(TAnchors v)
{
    FAnchors = v;
    RecordPlacement();
}

void TControl::RecordPlacement()
{
    FPlacedAt = FWidget->geometry();
    QWidget* parent = FWidget->parentWidget();
    FPlacedIn = parent ? parent->size() : QSize();
}

void TControl::PlaceAt(const QRect& r)
{
    FBeingPlaced = true;
    FWidget->setGeometry(r);
    FBeingPlaced = false;
}

void TControl::AlignControls(QWidget* parent)
{
    std::vector<TControl*> aligned;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        TControl* c = w ? FromWidget(w) : nullptr;
        if (c && c->FBeingPlaced)
            return; // already aligning these
        if (c && !w->isWindow() && !w->isHidden() && c->FAlign != alNone && c->FAlign != alCustom)
            aligned.push_back(c);
    }
    if (aligned.empty())
        return;
    // Edge by edge, the controls nearest their edge first; alClient takes
    // what is left.
    auto key = [](const TControl* c) {
        const QRect g = c->FWidget->geometry();
        switch (c->FAlign) {
        case alTop: return g.top();
        case alBottom: return -(g.top() + g.height());
        case alLeft: return g.left();
        case alRight: return -(g.left() + g.width());
        default: return 0;
        }
    };
    std::stable_sort(aligned.begin(), aligned.end(), [&](const TControl* a, const TControl* b) {
        return a->FAlign != b->FAlign ? a->FAlign < b->FAlign : key(a) < key(b);
    });
    for (TControl* c : aligned)
        c->FBeingPlaced = true;
    QRect free = parent->contentsRect();
    for (TControl* c : aligned) {
        QWidget* w = c->FWidget;
        // The size the control will take within its limits.
        auto fit = [w](int width, int height) {
            return QSize(width, height).boundedTo(w->maximumSize()).expandedTo(w->minimumSize());
        };
        switch (c->FAlign) {
        case alTop: {
            const QSize s = fit(free.width(), w->height());
            w->setGeometry(QRect(free.topLeft(), s));
            free.setTop(free.top() + s.height());
            break;
        }
        case alBottom: {
            const QSize s = fit(free.width(), w->height());
            w->setGeometry(QRect(QPoint(free.left(), free.bottom() + 1 - s.height()), s));
            free.setBottom(free.bottom() - s.height());
            break;
        }
        case alLeft: {
            const QSize s = fit(w->width(), free.height());
            w->setGeometry(QRect(free.topLeft(), s));
            free.setLeft(free.left() + s.width());
            break;
        }
        case alRight: {
            const QSize s = fit(w->width(), free.height());
            w->setGeometry(QRect(QPoint(free.right() + 1 - s.width(), free.top()), s));
            free.setRight(free.right() - s.width());
            break;
        }
        case alClient: w->setGeometry(QRect(free.topLeft(), fit(free.width(), free.height()))); break;
        default: break;
        }
    }
    for (TControl* c : aligned)
        c->FBeingPlaced = false;
}

void TControl::ParentResized(const QSize& oldSize)
{
    QWidget* parent = FWidget->parentWidget();
    if (!parent || FBeingPlaced)
        return;
    if (FAlign != alNone) {
        if (FAlign != alCustom)
            AlignControls(parent);
        return;
    }
    // Only a placement made in this parent's current coordinates counts;
    // a parent resized before it was ever shown reports no old size.
    if (!oldSize.isValid() || FPlacedIn != oldSize || FPlacedAt != FWidget->geometry()) {
        RecordPlacement();
        return;
    }
    const QSize now = parent->size();
    auto place = [](int pos, int size, int oldExtent, int newExtent, bool nearEdge, bool farEdge, int& newPos,
                    int& newSize) {
        newPos = pos;
        newSize = size;
        const int delta = newExtent - oldExtent;
        if (nearEdge && farEdge)
            newSize = size + delta;
        else if (farEdge)
            newPos = pos + delta;
        else if (!nearEdge && oldExtent > 0)
            newPos = int(std::lround((pos + size / 2.0) * newExtent / oldExtent - size / 2.0));
    };
    int x, w, y, h;
    place(FPlacedAt.x(), FPlacedAt.width(), oldSize.width(), now.width(), FAnchors.Contains(akLeft),
          FAnchors.Contains(akRight), x, w);
    place(FPlacedAt.y(), FPlacedAt.height(), oldSize.height(), now.height(), FAnchors.Contains(akTop),
          FAnchors.Contains(akBottom), y, h);
    PlaceAt(QRect(x, y, std::max(w, 0), std::max(h, 0)));
    RecordPlacement();
}

void TControl::ApplyConstraints()
{
    const auto limit = [](int v) { return v > 0 ? v : QWIDGETSIZE_MAX; };
    FWidget->setMinimumSize(FConstraints.MinWidth(), FConstraints.MinHeight());
    FWidget->setMaximumSize(limit(FConstraints.MaxWidth()), limit(FConstraints.MaxHeight()));
}

void TControl::SetAutoSize(bool v)
{
    FAutoSize = v;
    if (v && !Loading())
        AdjustAutoSize();
}

// --- colour and font ---------------------------------------------------------

void TControl::SetColor(TColor v)
{
    FColor = v;
    FParentColor = false;
    ApplyColor();
}

void TControl::SetParentColor(bool v)
{
    FParentColor = v;
    if (v)
        TakeParentColor();
}

void TControl::TakeParentColor()
{
    QWidget* parent = FWidget->parentWidget();
    if (!parent)
        return;
    if (const TControl* c = FromWidget(parent)) {
        FColor = c->FColor;
    } else {
        const QColor q = parent->palette().color(parent->backgroundRole());
        FColor = RGB(std::uint8_t(q.red()), std::uint8_t(q.green()), std::uint8_t(q.blue()));
    }
    ApplyColor();
}

void TControl::ApplyColor()
{
    const TColor rgb = ColorToRGB(FColor);
    QPalette p = FWidget->palette();
    p.setColor(FWidget->backgroundRole(), QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    FWidget->setPalette(p);
    // Plain widgets show their background colour only when asked to fill it.
    if (FWidget->backgroundRole() == QPalette::Window)
        FWidget->setAutoFillBackground(true);
}

void TControl::SetParentFont(bool v)
{
    FParentFont = v;
    if (v) {
        FWidget->setFont(QFont()); // back to the inherited font
        TakeParentFont();
    } else {
        // Keeps the font it has now, whatever the parent does later.
        QFont f = FWidget->font();
        f.setResolveMask(QFont::AllPropertiesResolved);
        FTakingParentFont = true;
        FWidget->setFont(f);
        FTakingParentFont = false;
    }
}

void TControl::TakeParentFont()
{
    FTakingParentFont = true;
    ParentFontChanged();
    FTakingParentFont = false;
}

void TControl::FontAssigned()
{
    if (!FTakingParentFont)
        FParentFont = false;
}

TFont TControl::InheritedFont() const
{
    const QWidget* parent = FWidget->parentWidget();
    const QFont q = parent ? parent->font() : QApplication::font();
    TFont f;
    f.SetName(q.family());
    // Heights are in pixels at the design density of 96 per inch.
    f.SetHeight(q.pixelSize() > 0 ? -q.pixelSize() : -int(std::lround(q.pointSizeF() * 96.0 / 72.0)));
    TFontStyles style = 0;
    if (q.bold())
        style |= fsBold;
    if (q.italic())
        style |= fsItalic;
    if (q.underline())
        style |= fsUnderline;
    if (q.strikeOut())
        style |= fsStrikeOut;
    f.SetStyle(style);
    return f;
}

// --- hints -------------------------------------------------------------------

void TControl::SetHint(const QString& v)
{
    FHint = v;
    ApplyHint();
}

void TControl::SetShowHint(bool v)
{
    FParentShowHint = false;
    if (v == FShowHint)
        return;
    FShowHint = v;
    ApplyHint();
}

void TControl::SetParentShowHint(bool v)
{
    FParentShowHint = v;
    if (v)
        TakeParentShowHint();
}

void TControl::TakeParentShowHint()
{
    QWidget* parent = FWidget->parentWidget();
    const TControl* c = parent ? FromWidget(parent) : nullptr;
    FShowHint = c ? c->FShowHint : true;
    ApplyHint();
}

void TControl::ApplyHint()
{
    FWidget->setToolTip(FShowHint ? FHint.section(QLatin1Char('|'), 0, 0) : QString());
    // Children that follow this control's ShowHint follow it now.
    for (QObject* o : FWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        TControl* c = w ? FromWidget(w) : nullptr;
        if (c && c->FParentShowHint && c->FShowHint != FShowHint)
            c->TakeParentShowHint();
    }
}

// --- context menu ------------------------------------------------------------

QMenu* TControl::PopupMenu() const
{
    return static_cast<QMenu*>(FPopupMenu.data());
}

void TControl::SetPopupMenu(QMenu* v)
{
    FPopupMenu = v;
}

// --- drag and drop -----------------------------------------------------------

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    TControlLink::Begin(this, Immediate, Threshold, QCursor::pos());
}

void TControl::EndDrag(bool Drop)
{
    if (TControlLink::Dragging(this))
        TControlLink::Finish(Drop, Drop ? QCursor::pos() : TControlLink::Drag().At);
}

bool TControl::Dragging() const
{
    return TControlLink::Dragging(this);
}

// --- state and tab order -----------------------------------------------------

bool TControl::Enabled() const
{
    return !FWidget->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool v)
{
    FWidget->setEnabled(v);
}

// Its own flag: a control not hidden on purpose is visible once its
// parent is shown.
bool TControl::Visible() const
{
    return !(FWidget->testAttribute(Qt::WA_WState_ExplicitShowHide) && FWidget->testAttribute(Qt::WA_WState_Hidden));
}

void TControl::SetVisible(bool v)
{
    FWidget->setVisible(v);
}

bool TControl::TabStop() const
{
    return FWidget->focusPolicy() & Qt::TabFocus;
}

void TControl::SetTabStop(bool v)
{
    const int policy = FWidget->focusPolicy();
    FWidget->setFocusPolicy(Qt::FocusPolicy(v ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
}

namespace {

// The parent's child widgets in the order Tab visits them.
QWidgetList TabSiblings(const QWidget* self)
{
    QWidgetList list;
    const QWidget* parent = self->parentWidget();
    if (!parent)
        return list;
    for (QWidget* w = parent->nextInFocusChain(); w && w != parent; w = w->nextInFocusChain()) {
        if (list.contains(w))
            break;
        if (w->parentWidget() == parent)
            list.append(w);
    }
    return list;
}

} // namespace

int TControl::TabOrder() const
{
    return int(TabSiblings(FWidget).indexOf(FWidget));
}

void TControl::SetTabOrder(int v)
{
    QWidgetList list = TabSiblings(FWidget);
    if (list.isEmpty())
        return;
    list.removeAll(FWidget);
    list.insert(std::clamp(v, 0, int(list.size())), FWidget);
    // Qt takes the chain for a ring and leaves a pair alone when only the
    // parent stands between them; a focusable stand-in at the end of the
    // window's chain makes the ends count.
    QWidget end(FWidget->window());
    end.setFocusPolicy(Qt::TabFocus);
    for (int i = 0; i + 1 < list.size(); ++i)
        QWidget::setTabOrder(list[i], list[i + 1]);
}
