// Placement: alignment to the parent's edges, anchors that follow the
// parent's resizing, size constraints and automatic size.
#include "KeplerControls/control.h"
#include "enum_member.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace Kepler {

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

TAnchorFlags TControl::AnchorFlags() const
{
    TAnchorFlags f;
    for (const TAnchorKind k : {akLeft, akTop, akRight, akBottom})
        if (FAnchors.Contains(k))
            f |= StandardTypes::TAnchorFlag(1 << k);
    return f;
}

void TControl::SetAnchorFlags(TAnchorFlags v)
{
    using namespace StandardTypes;
    if (v.toInt() & ~(afLeft | afTop | afRight | afBottom))
        return;
    TAnchors a;
    for (const TAnchorKind k : {akLeft, akTop, akRight, akBottom})
        if (v.testFlag(StandardTypes::TAnchorFlag(1 << k)))
            a.Include(k);
    SetAnchors(a);
}

void TControl::SetAlign(TAlign v)
{
    if (!IsEnumMember(v) || v == FAlign)
        return;
    FAlign = v;
    if (QWidget* parent = FWidget->parentWidget())
        AlignControls(parent);
}

void TControl::SetAnchors(TAnchors v)
{
    // Only the four edges are anchors.
    if (v.Bits & ~TAnchors{akLeft, akTop, akRight, akBottom}.Bits)
        return;
    FAnchors = v;
    RecordPlacement();
}

void TControl::RecordPlacement()
{
    QWidget* parent = FWidget->parentWidget();
    RecordPlacementIn(parent ? parent->size() : QSize());
    FParentSizeSeen = parent ? parent->size() : QSize();
}

void TControl::FollowParent()
{
    QWidget* parent = FWidget->parentWidget();
    if (!parent || FBeingPlaced || parent->size() == FParentSizeSeen)
        return;
    ParentResized(FParentSizeSeen);
}

int TControl::Left() const
{
    const_cast<TControl*>(this)->FollowParent();
    return FWidget->x();
}

int TControl::Top() const
{
    const_cast<TControl*>(this)->FollowParent();
    return FWidget->y();
}

int TControl::Width() const
{
    const_cast<TControl*>(this)->FollowParent();
    return FWidget->width();
}

int TControl::Height() const
{
    const_cast<TControl*>(this)->FollowParent();
    return FWidget->height();
}

void TControl::RecordPlacementIn(const QSize& parentSize)
{
    FPlacedAt = FWidget->geometry();
    FPlacedIn = parentSize;
    FAnchoredAt = FPlacedAt;
}

void TControl::PlaceAt(const QRect& r)
{
    FBeingPlaced = true;
    const QSize before = FWidget->size();
    FWidget->setGeometry(r);
    // A hidden control would hear of its new size only when shown, and a
    // size it then keeps of its own (a least height, say) would look like
    // a placement by hand and become the reference. It is told now, while
    // the placement is still anchoring's.
    if (!FWidget->isVisible() && FWidget->size() != before) {
        QResizeEvent resized(FWidget->size(), before);
        QCoreApplication::sendEvent(FWidget, &resized);
    }
    FBeingPlaced = false;
    // The control may have kept a size of its own (its limits).
    FAnchoredAt = FWidget->geometry();
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
    FParentSizeSeen = parent->size();
    if (FAlign != alNone) {
        if (FAlign != alCustom)
            AlignControls(parent);
        return;
    }
    // Placed by hand since anchoring last moved it: against the parent's size
    // before this resize, or, when Qt reports none (a parent resized before
    // it was first shown), the size last known.
    if (FWidget->geometry() != FAnchoredAt)
        RecordPlacementIn(oldSize.isValid() ? oldSize : FPlacedIn);
    if (!FPlacedIn.isValid()) {
        RecordPlacement();
        return;
    }
    const QSize oldExtent = FPlacedIn;
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
    place(FPlacedAt.x(), FPlacedAt.width(), oldExtent.width(), now.width(), FAnchors.Contains(akLeft),
          FAnchors.Contains(akRight), x, w);
    place(FPlacedAt.y(), FPlacedAt.height(), oldExtent.height(), now.height(), FAnchors.Contains(akTop),
          FAnchors.Contains(akBottom), y, h);
    PlaceAt(QRect(x, y, std::max(w, 0), std::max(h, 0)));
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

} // namespace Kepler
