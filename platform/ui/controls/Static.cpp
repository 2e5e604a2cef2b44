#include "platform/ui/controls/Static.h"

#include "platform/ui/draw/SystemMetrics.h"

#include <QLabel>

namespace {

bool IsTextKind(DWORD kind)
{
    return kind <= SS_RIGHT || kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP;
}

// A label that no control follows shows its text the way Windows does: "&&" as one ampersand,
// a single "&" not at all.
QString WithoutMnemonic(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text[i] == QLatin1Char('&'))
            continue;
        out += text[i];
    }
    return out;
}

void SetFrame(QLabel* label, DWORD style)
{
    const DWORD kind = style & SS_TYPEMASK;
    QFrame::Shape shape = QFrame::NoFrame;
    QFrame::Shadow shadow = QFrame::Plain;
    switch (kind) {
    case SS_ETCHEDFRAME: shape = QFrame::Box; shadow = QFrame::Sunken; break;
    case SS_ETCHEDHORZ: shape = QFrame::HLine; shadow = QFrame::Sunken; break;
    case SS_ETCHEDVERT: shape = QFrame::VLine; shadow = QFrame::Sunken; break;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: shape = QFrame::Box; break;
    default:
        if (style & SS_SUNKEN) {
            shape = QFrame::Panel;
            shadow = QFrame::Sunken;
        }
        break;
    }
    label->setFrameStyle(shape | shadow);
    label->setLineWidth(1);
}

// The colour of the rectangle and frame kinds; -1 for the others.
int KindColor(DWORD kind)
{
    switch (kind) {
    case SS_BLACKRECT: case SS_BLACKFRAME: return COLOR_WINDOWFRAME;
    case SS_GRAYRECT: case SS_GRAYFRAME: return COLOR_BTNSHADOW;
    case SS_WHITERECT: case SS_WHITEFRAME: return COLOR_WINDOW;
    default: return -1;
    }
}

} // namespace

QLabel* CStatic::Label() const
{
    return static_cast<QLabel*>(GetWidget());
}

QWidget* CStatic::CreateWidget(QWidget* parent, DWORD)
{
    return new QLabel(parent);
}

bool CStatic::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QLabel*>(widget) != nullptr;
}

void CStatic::ApplyStyle(DWORD oldStyle, DWORD oldExStyle)
{
    CWnd::ApplyStyle(oldStyle, oldExStyle);
    const DWORD style = GetStyle();
    const DWORD kind = style & SS_TYPEMASK;
    QLabel* label = Label();
    const Qt::Alignment horizontal = kind == SS_CENTER  ? Qt::AlignHCenter
                                     : kind == SS_RIGHT ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    const bool picture = kind == SS_BITMAP || kind == SS_ICON;
    if (picture)
        label->setAlignment(style & SS_CENTERIMAGE ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    else
        label->setAlignment(horizontal | (style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop));
    label->setWordWrap(IsTextKind(kind) && kind != SS_SIMPLE && kind != SS_LEFTNOWORDWRAP &&
                       !(style & SS_CENTERIMAGE));
    SetFrame(label, style);
    if (const int color = KindColor(kind); color >= 0) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, platform::ToQColor(GetSysColor(color)));
        palette.setColor(QPalette::Window, platform::ToQColor(GetSysColor(color)));
        label->setPalette(palette);
        label->setAutoFillBackground(kind >= SS_BLACKRECT && kind <= SS_WHITERECT);
    }
    // Without SS_NOTIFY clicks belong to the window beneath.
    label->setAttribute(Qt::WA_TransparentForMouseEvents, !(style & SS_NOTIFY));
    if ((oldStyle ^ style) & (SS_NOPREFIX | SS_TYPEMASK))
        ShowText();
}

void CStatic::SetWidgetText(const QString& text)
{
    m_text = text;
    ShowText();
}

void CStatic::ShowText()
{
    const DWORD style = GetStyle();
    if (!IsTextKind(style & SS_TYPEMASK))
        return;
    QLabel* label = Label();
    label->setTextFormat(Qt::PlainText);
    // A label with a buddy underlines its mnemonic itself.
    label->setText(style & SS_NOPREFIX ? m_text : label->buddy() ? m_text : WithoutMnemonic(m_text));
}

CBitmap* CStatic::SetBitmap(CBitmap* bitmap)
{
    CBitmap* old = m_bitmap;
    m_bitmap = bitmap;
    QLabel* label = GetWidget() ? Label() : nullptr;
    if (!label)
        return old;
    if (!bitmap || !bitmap->IsCreated()) {
        label->setPixmap(QPixmap());
        return old;
    }
    label->setPixmap(QPixmap::fromImage(bitmap->Image()));
    if (!(GetStyle() & SS_CENTERIMAGE))
        label->resize(bitmap->Image().size());
    return old;
}

void CStatic::OnLButtonUp(UINT, CPoint)
{
    if (GetStyle() & SS_NOTIFY)
        NotifyParent(STN_CLICKED);
    Default();
}

void CStatic::OnLButtonDblClk(UINT, CPoint)
{
    if (GetStyle() & SS_NOTIFY)
        NotifyParent(STN_DBLCLK);
    Default();
}
