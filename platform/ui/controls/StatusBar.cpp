#include "platform/ui/controls/StatusBar.h"

#include "platform/ui/controls/WholeText.h"
#include "platform/ui/window/WinText.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// The message pane's width before anything stretches it.
constexpr int kMessagePaneWidth = 200;

// A pane's state as the update pass sets it.
class PaneCmdUI : public CCmdUI {
public:
    PaneCmdUI(CStatusBar& bar, int index) : CCmdUI(bar.GetItemID(index)), m_bar(bar), m_index(index) {}
    void Enable(bool on) override
    {
        CCmdUI::Enable(on);
        SetFlag(SBPS_DISABLED, !on);
    }
    void SetCheck(int check) override
    {
        CCmdUI::SetCheck(check);
        SetFlag(SBPS_POPOUT, check != 0);
    }
    void SetText(const std::string& text) override
    {
        CCmdUI::SetText(text);
        m_bar.SetPaneText(m_index, text);
    }

private:
    void SetFlag(UINT flag, bool on)
    {
        const UINT style = m_bar.GetPaneStyle(m_index);
        m_bar.SetPaneStyle(m_index, on ? style | flag : style & ~flag);
    }
    CStatusBar& m_bar;
    int m_index;
};

// Text before a tab is left-aligned, after one tab centred, after two right-aligned; the
// label shows the last part that has text in it.
std::pair<QString, Qt::Alignment> Shown(const std::string& text)
{
    const QStringList parts = platform::ToQString(text).split(QLatin1Char('\t'));
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (qsizetype i = std::min<qsizetype>(parts.size(), 3) - 1; i >= 0; --i)
        if (!parts[i].isEmpty())
            return {i < 2 ? parts[i] : parts.mid(2).join(QLatin1Char(' ')), kAlign[i] | Qt::AlignVCenter};
    return {QString(), Qt::AlignLeft | Qt::AlignVCenter};
}

} // namespace

QWidget* CStatusBar::CreateWidget(QWidget* parent, DWORD)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    bar->setFixedHeight(QFontMetrics(bar->font()).height() + 8);
    return bar;
}

bool CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CWnd::Create(nullptr, "", style, CRect(), parent, id);
}

bool CStatusBar::SetIndicators(const UINT* ids, int count, const char* const* texts)
{
    if (!GetWidget() || count < 0 || (count > 0 && !ids))
        return false;
    for (Pane& pane : m_panes)
        delete pane.label.data();
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(GetWidget());
        GetWidget()->layout()->addWidget(label);
        std::string text = texts && texts[i] ? texts[i] : "";
        const bool message = i == 0 && ids[i] == ID_SEPARATOR;
        const int width = message ? kMessagePaneWidth
                                  : QFontMetrics(label->font()).horizontalAdvance(Shown(text).first);
        m_panes.push_back({ids[i], message ? SBPS_NOBORDERS | SBPS_STRETCH : SBPS_NORMAL, width,
                           std::move(text), label});
        ShowPane(m_panes.back());
    }
    return true;
}

void CStatusBar::ShowPane(const Pane& pane)
{
    QLabel* label = pane.label;
    if (!label || !GetWidget())
        return;
    const auto [text, alignment] = Shown(pane.text);
    label->setText(pane.style & SBPS_DISABLED ? QString() : text);
    label->setAlignment(alignment);
    label->setFrameStyle(pane.style & SBPS_NOBORDERS ? QFrame::NoFrame
                         : pane.style & SBPS_POPOUT  ? QFrame::Panel | QFrame::Raised
                                                     : QFrame::Panel | QFrame::Sunken);
    // Never narrower than its text: a total cut at its left reads as another number.
    const int outer = std::max(std::max(0, pane.width) + 2 * label->frameWidth() + 4, platform::WholeTextWidth(*label));
    auto* layout = static_cast<QHBoxLayout*>(GetWidget()->layout());
    if (pane.style & SBPS_STRETCH) {
        label->setMinimumWidth(0);
        label->setMaximumWidth(QWIDGETSIZE_MAX);
        layout->setStretchFactor(label, 1);
    } else {
        label->setFixedWidth(outer);
        layout->setStretchFactor(label, 0);
    }
}

UINT CStatusBar::GetItemID(int index) const
{
    return ValidIndex(index) ? m_panes[size_t(index)].id : ID_SEPARATOR;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id)
            return int(i);
    return -1;
}

bool CStatusBar::SetPaneText(int index, std::string_view text, bool)
{
    if (!ValidIndex(index))
        return false;
    Pane& pane = m_panes[size_t(index)];
    pane.text = text;
    ShowPane(pane);
    return true;
}

std::string CStatusBar::GetPaneText(int index) const
{
    return ValidIndex(index) ? m_panes[size_t(index)].text : std::string();
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width)
{
    if (!ValidIndex(index))
        return;
    Pane& pane = m_panes[size_t(index)];
    pane.id = id;
    pane.style = style;
    pane.width = std::max(0, width);
    ShowPane(pane);
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const
{
    const Pane none{ID_SEPARATOR, SBPS_NORMAL, 0, {}, {}};
    const Pane& pane = ValidIndex(index) ? m_panes[size_t(index)] : none;
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

UINT CStatusBar::GetPaneStyle(int index) const
{
    return ValidIndex(index) ? m_panes[size_t(index)].style : SBPS_NORMAL;
}

void CStatusBar::SetPaneStyle(int index, UINT style)
{
    if (!ValidIndex(index))
        return;
    m_panes[size_t(index)].style = style;
    ShowPane(m_panes[size_t(index)]);
}

void CStatusBar::SetWidgetText(const QString& text)
{
    SetPaneText(0, platform::FromQString(text));
}

QString CStatusBar::WidgetText() const
{
    return platform::ToQString(GetPaneText(0));
}

void CStatusBar::OnUpdateCmdUI(CCmdTarget* target, bool)
{
    if (!target)
        return;
    for (int i = 0; i < GetCount(); ++i) {
        if (GetItemID(i) == ID_SEPARATOR)
            continue;
        PaneCmdUI element(*this, i);
        element.DoUpdate(target, false);
    }
}
