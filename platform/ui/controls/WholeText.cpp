#include "platform/ui/controls/WholeText.h"

#include "platform/ui/window/Wnd.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace {

// As a label lays out one line: the margin on both sides and, on the side it aligns to, its
// indent (with a frame and no indent of its own, one "x" less the margins).
int LabelWidth(const QLabel& label)
{
    const QFontMetrics metrics(label.font());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) - 2 * label.margin();
    const bool aligned = label.alignment() & (Qt::AlignLeft | Qt::AlignRight);
    const int inside = metrics.horizontalAdvance(label.text()) + 2 * label.margin() + (aligned ? std::max(indent, 0) : 0);
    return inside + label.width() - label.contentsRect().width();
}

// As a line edit lays out its text: two pixels each side, its text margins, the style's frame,
// and a pixel for the cursor.
int LineEditWidth(const QLineEdit& edit)
{
    constexpr int kSideMargin = 2;
    const QMargins margins = edit.textMargins();
    const int frame = edit.hasFrame() ? 2 * edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit) : 0;
    return QFontMetrics(edit.font()).horizontalAdvance(edit.text()) + 2 * kSideMargin + margins.left() + margins.right()
           + frame + edit.width() - edit.contentsRect().width() + 1;
}

} // namespace

namespace platform {

int WholeTextWidth(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return LabelWidth(*label);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return LineEditWidth(*edit);
    return 0;
}

} // namespace platform

int WholeTextWidth(const CWnd& control)
{
    const QWidget* widget = control.GetWidget();
    return widget ? platform::WholeTextWidth(*widget) : 0;
}

void WidenToWholeText(CWnd& control)
{
    CRect rect;
    control.GetWindowRect(&rect);
    const int needed = WholeTextWidth(control);
    if (needed <= rect.Width())
        return;
    if (const CWnd* parent = control.GetParent())
        parent->ScreenToClient(&rect);
    control.MoveWindow(rect.left, rect.top, needed, rect.Height());
}
