// Where the button pair sits, where the text goes and the heights the font
// needs.
#include "KeplerControls/spin_edit.h"

#include "KeplerControls/canvas.h"
#include "qt_font.h"
#include "KeplerControls/spin_button.h"
#include "spin_edit_metrics.h"
#include "widget_limit.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace Kepler {

using namespace SpinEditMetrics;

void TSpinEdit::SetBounds(int left, int top, int width, int height)
{
    setGeometry(WithinWidgetLimit(left, top, width, height));
    PlaceButton();
}

QSize TSpinEdit::sizeHint() const
{
    return {121, MinimumHeight()};
}

QSize TSpinEdit::minimumSizeHint() const
{
    const int digits = QFontMetrics(font()).horizontalAdvance(QStringLiteral("000"));
    return {2 * EditBorder + digits + ButtonWidth + 7, MinimumHeight()};
}

int TSpinEdit::MinimumHeight() const
{
    const int f = ClassicTextMetrics(font()).Height();
    const int s = ClassicTextMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).Height();
    return f + std::min(s, f) / 4 + 4 * ThinBorder + 2;
}

TRect TSpinEdit::TextRect() const
{
    const int bw = FButton ? FButton->width() : 0;
    const int clientWidth = width() - 2 * EditBorder;
    const int clientHeight = height() - 2 * EditBorder;
    if (isRightToLeft())
        return {bw + 2, 0, clientWidth, clientHeight + 1};
    return {0, 0, clientWidth - bw - 2, clientHeight + 1};
}

void TSpinEdit::PlaceButton()
{
    if (!FButton)
        return; // being torn down
    const int minHeight = MinimumHeight();
    if (height() < minHeight) {
        resize(width(), minHeight);
        if (isVisible())
            return; // the resize came back here already
    }
    const int bw = FButton->width();
    const int left = EditBorder + width() - bw - 5;
    // Mirrored, the pair's left edge lies as far from the spin box's left
    // edge as its right edge lies from the right edge otherwise.
    FButton->SetBounds(isRightToLeft() ? width() - left - bw : left, EditBorder, bw, height() - 5);
    UpdateTextRect();
}

void TSpinEdit::UpdateTextRect()
{
    const TRect r = TextRect();
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
    if (isRightToLeft()) {
        const int textLeft = EditBorder + r.Left; // widget coordinates
        setTextMargins(std::max(0, textLeft - contents.x()), 0, 0, 0);
        return;
    }
    const int textRight = EditBorder + r.Right; // widget coordinates, exclusive
    setTextMargins(0, 0, std::max(0, contents.x() + contents.width() - textRight), 0);
}

void TSpinEdit::AdjustAutoSize()
{
    if (FButton)
        resize(width(), MinimumHeight());
}

void TSpinEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    PlaceButton();
}

} // namespace Kepler
