// Text output and measurement of the device context.
#include "platform/ui/draw/DC.h"

#include "platform/ui/draw/DCRecord.h"
#include "platform/ui/window/WinText.h"

#include <QPainter>
#include <cstring>

using namespace platform::dcrecord;

namespace {

int QtTextFlags(UINT format)
{
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight
                                                                           : Qt::AlignLeft;
    // Vertical placement applies to single lines only, as on Windows.
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        flags |= Qt::AlignVCenter;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

std::string TextRecord(const char* what, const std::string& where, COLORREF color, int bkMode,
                       COLORREF bk, std::string_view text)
{
    std::string entry = std::string(what) + " " + where + " " + Color(color);
    if (bkMode == OPAQUE)
        entry += " bk " + Color(bk);
    return entry + " " + Quoted(text);
}

} // namespace

const QFontMetrics& CDC::Metrics() const
{
    if (!m_metrics || m_metricsFont != m_font) {
        m_metrics.emplace(m_font->QtFont());
        m_metricsFont = m_font;
    }
    return *m_metrics;
}

void CDC::ApplyTextPen()
{
    if (m_painterPen != PainterPen::Text) {
        m_painter->setPen(platform::ToQColor(m_textColor));
        m_painterPen = PainterPen::Text;
    }
}

void CDC::ApplyFont()
{
    if (m_painterFont != m_font) {
        m_painter->setFont(m_font->QtFont());
        m_painterFont = m_font;
    }
}

void CDC::PaintTextBackground(const QRect& box)
{
    if (m_bkMode == OPAQUE)
        PaintFill(box, m_bkColor);
}

int CDC::DrawText(const char* text, int count, RECT* rect, UINT format)
{
    if (!text)
        return 0;
    size_t length = count < 0 ? std::strlen(text) : size_t(count);
    return DrawText(std::string_view(text, length), rect, format);
}

// One line placed in its box: the height is the font's, so no text layout is needed to know
// where it goes (the common case of grid cells, kept cheap).
QRect CDC::SingleLineBox(const QRect& box, UINT format, const QString& text, bool needWidth) const
{
    const QFontMetrics& fm = Metrics();
    int height = fm.height();
    int top = (format & DT_VCENTER)  ? box.top() + (box.height() - height) / 2
              : (format & DT_BOTTOM) ? box.top() + box.height() - height
                                     : box.top();
    if (!needWidth)
        return QRect(box.left(), top, box.width(), height);
    int width = fm.horizontalAdvance(text);
    int left = (format & DT_CENTER)  ? box.left() + (box.width() - width) / 2
               : (format & DT_RIGHT) ? box.left() + box.width() - width
                                     : box.left();
    return QRect(left, top, width, height);
}

int CDC::DrawText(std::string_view text, RECT* rect, UINT format)
{
    if (!rect)
        return 0;
    QString qtext = platform::ToQString(text);
    const QRect box = ToQRect(*rect);
    int flags = QtTextFlags(format);
    const bool single = format & DT_SINGLELINE;
    if ((format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT) && !(format & DT_WORDBREAK))
        qtext = Metrics().elidedText(qtext, Qt::ElideRight, box.width(), flags);

    QRect used;
    if (single && !(format & DT_CALCRECT)) {
        used = SingleLineBox(box, format, qtext, m_bkMode == OPAQUE);
    } else {
        // Windows lays out word-broken text in the given width and everything else unbounded.
        QRect layoutBox = box;
        if (format & DT_CALCRECT) {
            if (!(format & DT_WORDBREAK))
                layoutBox.setWidth(1 << 20);
            layoutBox.setHeight(1 << 20);
        }
        used = qtext.isEmpty() ? QRect(box.left(), box.top(), 0, Metrics().height())
                               : Metrics().boundingRect(layoutBox, flags, qtext);
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + used.width();
        rect->bottom = rect->top + used.height();
        return used.height();
    }
    if (m_recording)
        Record(TextRecord("DrawText", Rect(*rect) + " " + Hex(format), m_textColor, m_bkMode,
                          m_bkColor, text));
    if (m_painter && !qtext.isEmpty()) {
        PaintTextBackground((format & DT_NOCLIP) ? used : used.intersected(box));
        ApplyFont();
        ApplyTextPen();
        m_painter->drawText(box, flags, qtext);
    }
    return single && (format & (DT_VCENTER | DT_BOTTOM)) ? used.bottom() + 1 - box.top()
                                                         : used.height();
}

bool CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text)
{
    if (m_mapMode == MM_TWIPS) {
        // y grows upward: negated, the painter's y-down scale puts the line where it belongs
        // while the glyphs stay upright.
        y = -y;
        if (rect) {
            const RECT flipped{rect->left, -rect->top, rect->right, -rect->bottom};
            const RECT upright{flipped.left, std::min(flipped.top, flipped.bottom), flipped.right,
                               std::max(flipped.top, flipped.bottom)};
            m_mapMode = MM_TEXT;
            const bool done = ExtTextOut(x, y, options, &upright, text);
            m_mapMode = MM_TWIPS;
            return done;
        }
    }
    if (m_recording) {
        std::string where = Point(x, y) + " " + Hex(options);
        if (rect)
            where += " " + Rect(*rect);
        Record(TextRecord("ExtTextOut", where, m_textColor, m_bkMode, m_bkColor, text));
    }
    if (!m_painter)
        return true;
    const bool clipped = rect && (options & ETO_CLIPPED);
    const QRect clip = rect ? ToQRect(*rect) : QRect();
    if (rect && (options & ETO_OPAQUE))
        PaintFill(clip, m_bkColor);
    if (text.empty())
        return true;
    QString qtext = platform::ToQString(text);
    const QFontMetrics& fm = Metrics();
    // Only a background behind the text alone needs the text's width.
    if (!(options & ETO_OPAQUE) && m_bkMode == OPAQUE) {
        QRect textBox(x, y, fm.horizontalAdvance(qtext), fm.height());
        PaintTextBackground(clipped ? textBox.intersected(clip) : textBox);
    }
    ApplyFont();
    ApplyTextPen();
    if (!clipped) {
        m_painter->drawText(QPoint(x, y + fm.ascent()), qtext);
    } else if (x >= clip.left() && y >= clip.top()) {
        // Starting inside the clip, the text box itself clips: no painter state to save.
        QRect box(x, y, clip.right() + 1 - x, clip.bottom() + 1 - y);
        m_painter->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, qtext);
    } else {
        m_painter->save();
        m_painter->setClipRect(clip, Qt::IntersectClip);
        m_painter->drawText(QPoint(x, y + fm.ascent()), qtext);
        m_painter->restore();
    }
    return true;
}

bool CDC::TextOut(int x, int y, std::string_view text)
{
    return ExtTextOut(x, y, 0, nullptr, text);
}

CSize CDC::GetTextExtent(std::string_view text) const
{
    const QFontMetrics& fm = Metrics();
    return {fm.horizontalAdvance(platform::ToQString(text)), fm.height()};
}

bool CDC::GetTextMetrics(TEXTMETRIC* tm) const
{
    if (!tm)
        return false;
    const QFontMetrics& fm = Metrics();
    const QFont& font = m_font->QtFont();
    *tm = TEXTMETRIC{};
    tm->tmAscent = fm.ascent();
    tm->tmDescent = fm.descent();
    tm->tmHeight = fm.ascent() + fm.descent();
    tm->tmInternalLeading = std::max(0, tm->tmHeight - font.pixelSize());
    tm->tmExternalLeading = std::max(0, fm.leading());
    tm->tmAveCharWidth = fm.averageCharWidth();
    tm->tmMaxCharWidth = fm.maxWidth();
    tm->tmWeight = font.weight();
    tm->tmItalic = font.italic() ? 1 : 0;
    tm->tmUnderlined = font.underline() ? 1 : 0;
    return true;
}
