#include "platform/ui/controls/ToolTipCtrl.h"

#include "platform/ui/window/WinText.h"
#include "platform/ui/window/WndBridge.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <cstring>

namespace {

// The longest text read from a pointer the owner gives instead of the record's buffer.
constexpr size_t kOwnTextMax = 1024;

} // namespace

namespace platform {

// Sees the tool-tip requests of the tools' widgets.
class ToolTipFilter : public QObject {
public:
    explicit ToolTipFilter(CToolTipCtrl* owner) : m_owner(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        return m_owner->ShowTip(static_cast<QWidget*>(watched), help->pos(), help->globalPos());
    }

private:
    CToolTipCtrl* m_owner;
};

} // namespace platform

CToolTipCtrl::CToolTipCtrl() : m_filter(std::make_unique<platform::ToolTipFilter>(this)) {}

CToolTipCtrl::~CToolTipCtrl() = default;

QWidget* CToolTipCtrl::CreateWidget(QWidget* parent, DWORD)
{
    auto* widget = new QWidget(parent);
    widget->hide(); // Qt draws the tips; this window is never seen
    return widget;
}

bool CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CWnd::Create(nullptr, "", style & ~WS_VISIBLE, CRect(), parent, 0);
}

bool CToolTipCtrl::Alive(const Tool& tool) const
{
    // The window object may be gone while a widget lives on: the registry tells.
    return tool.widget && platform::WindowOfWidget(tool.widget) == tool.window;
}

CToolTipCtrl::Tool* CToolTipCtrl::Find(CWnd* window, UINT_PTR id)
{
    for (Tool& tool : m_tools)
        if (tool.window == window && tool.id == id && Alive(tool))
            return &tool;
    return nullptr;
}

bool CToolTipCtrl::AddTool(CWnd* window, const char* text, const RECT* rect, UINT_PTR toolId)
{
    if (!window || !window->GetWidget())
        return false;
    std::erase_if(m_tools, [this](const Tool& t) { return !Alive(t); });
    const bool whole = rect == nullptr;
    const UINT_PTR id = whole ? window->GetDlgCtrlID() : toolId;
    DelTool(window, id);
    const bool callback = text == LPSTR_TEXTCALLBACK;
    m_tools.push_back({window, window->GetWidget(), id, whole, rect ? CRect(*rect) : CRect(),
                       callback, callback || !text ? std::string() : std::string(text)});
    window->GetWidget()->installEventFilter(m_filter.get());
    // A scrolling window's tips are asked for over its viewport, its client area.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(window->GetWidget()))
        area->viewport()->installEventFilter(m_filter.get());
    return true;
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId)
{
    std::erase_if(m_tools, [&](const Tool& t) { return t.window == window && t.id == toolId; });
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId)
{
    Tool* tool = Find(window, toolId);
    if (!tool && window)
        tool = Find(window, window->GetDlgCtrlID());
    if (!tool)
        return;
    tool->callback = text == LPSTR_TEXTCALLBACK;
    tool->text = tool->callback || !text ? std::string() : std::string(text);
}

void CToolTipCtrl::Activate(bool activate)
{
    m_active = activate;
    if (!activate)
        QToolTip::hideText();
}

int CToolTipCtrl::SetMaxTipWidth(int width)
{
    const int old = m_maxWidth;
    m_maxWidth = width;
    return old;
}

int CToolTipCtrl::GetToolCount() const
{
    return int(std::count_if(m_tools.begin(), m_tools.end(), [this](const Tool& t) { return Alive(t); }));
}

std::string CToolTipCtrl::AskText(const Tool& tool)
{
    if (!tool.callback)
        return tool.text;
    // A window tool asks the window's parent, a rectangle tool the window itself.
    CWnd* owner = tool.wholeWindow ? tool.window->GetParent() : tool.window;
    if (!owner)
        return {};
    NMTTDISPINFO info{};
    info.hdr = {this, UINT(tool.id), TTN_NEEDTEXT};
    info.lpszText = info.szText;
    info.uFlags = tool.wholeWindow ? TTF_IDISHWND : 0;
    owner->SendMessage(WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&info));
    if (!info.lpszText || info.lpszText == LPSTR_TEXTCALLBACK)
        return {};
    const size_t limit = info.lpszText == info.szText ? sizeof info.szText - 1 : kOwnTextMax;
    return std::string(info.lpszText, strnlen(info.lpszText, limit));
}

std::string CToolTipCtrl::TipTextAt(CWnd* window, CPoint point)
{
    if (!m_active || !window)
        return {};
    for (size_t i = 0; i < m_tools.size(); ++i) {
        const Tool tool = m_tools[i]; // a copy: the owner may add or remove tools when asked
        if (tool.window == window && Alive(tool) && (tool.wholeWindow || tool.rect.PtInRect(point)))
            return AskText(tool);
    }
    return {};
}

// Breaks the text between words so that no line is wider than the maximum width.
QString CToolTipCtrl::Wrapped(const std::string& text) const
{
    const QString plain = platform::ToQString(text);
    if (m_maxWidth <= 0)
        return plain;
    const QFontMetrics metrics(QToolTip::font());
    QString out, line;
    for (const QString& word : plain.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > m_maxWidth) {
            out += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return out + line;
}

bool CToolTipCtrl::ShowTip(QWidget* widget, const QPoint& point, const QPoint& global)
{
    CWnd* window = platform::WindowOfWidget(widget);
    auto* area = widget->parentWidget() ? qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) : nullptr;
    if (!window && area && area->viewport() == widget)
        window = platform::WindowOfWidget(area);
    const std::string text = TipTextAt(window, CPoint(point.x(), point.y()));
    if (text.empty()) {
        QToolTip::hideText();
        return window != nullptr && m_active;
    }
    QString shown = Wrapped(text);
    // Tips are plain text: markup in a field's help must show as written.
    if (Qt::mightBeRichText(shown))
        shown = QStringLiteral("<p style='white-space:pre'>") +
                shown.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                QStringLiteral("</p>");
    QToolTip::showText(global, shown, widget);
    return true;
}
