#include "platform/ui/controls/ToolBar.h"

#include "platform/ui/docview/CommandRouting.h"
#include "platform/ui/window/StringTable.h"
#include "platform/ui/window/WinText.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QToolBar>

namespace {

// Tells when the pointer leaves the bar, so that the status bar stops showing a prompt.
class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QObject* parent, std::function<void()> left) : QObject(parent), m_left(std::move(left)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Leave)
            m_left();
        return false;
    }

private:
    std::function<void()> m_left;
};

} // namespace

QWidget* CToolBar::CreateWidget(QWidget* parent, DWORD style)
{
    auto* bar = new QToolBar(parent);
    bar->setMovable(style & CBRS_GRIPPER);
    bar->setFloatable(false);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

void CToolBar::ConnectWidget()
{
    Bar()->installEventFilter(new LeaveWatcher(Context(), Guard([this] { Prompt(0); })));
}

void CToolBar::Prompt(UINT id)
{
    // Fly-by help: the owner shows the command's prompt while the pointer is on its button.
    if ((GetStyle() & CBRS_FLYBY) && GetOwner())
        GetOwner()->SendMessage(WM_SETMESSAGESTRING, id);
}

bool CToolBar::LoadToolBar(UINT resourceId)
{
    const ToolBarResource* resource = platform::ResourceRegistry<ToolBarResource>::Find(resourceId);
    CBitmap strip;
    if (!resource || !strip.LoadBitmap(resourceId) ||
        !SetButtons(resource->buttons, int(resource->count)) ||
        !SetBitmap(strip.Image(), resource->imageWidth))
        return false;
    for (std::size_t i = 0; i < resource->count; ++i)
        if (const UINT id = resource->buttons[i]; id != ID_SEPARATOR)
            SetToolTipText(id, platform::LoadResourceString(id));
    return true;
}

bool CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CWnd::Create(nullptr, "", style, CRect(), parent, id);
}

bool CToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, UINT id)
{
    return Create(parent, style, id); // Qt's tool buttons are flat already
}

QToolBar* CToolBar::Bar() const
{
    return static_cast<QToolBar*>(GetWidget());
}

bool CToolBar::SetButtons(const UINT* ids, int count)
{
    if (!GetWidget() || count < 0 || (count > 0 && !ids))
        return false;
    // Later, not now: a button's own click may be what replaces the buttons.
    for (QAction* old : Bar()->actions()) {
        Bar()->removeAction(old);
        old->deleteLater();
    }
    m_ids.assign(ids, ids + count);
    m_actions.clear();
    for (UINT id : m_ids) {
        if (id == ID_SEPARATOR) {
            Bar()->addSeparator();
            m_actions.push_back(nullptr);
            continue;
        }
        QAction* action = Bar()->addAction(QString());
        platform::SetCommandId(action, id);
        QObject::connect(action, &QAction::triggered, Bar(), [this, id] { Clicked(id); });
        QObject::connect(action, &QAction::hovered, Bar(), [this, id] { Prompt(id); });
        m_actions.push_back(action);
    }
    ApplyImages();
    return true;
}

bool CToolBar::SetBitmap(const QImage& strip, int imageWidth, COLORREF mask)
{
    if (!m_images.Create(strip, imageWidth, 0, mask))
        return false;
    if (GetWidget())
        Bar()->setIconSize(QSize(imageWidth, strip.height()));
    ApplyImages();
    return true;
}

void CToolBar::ApplyImages()
{
    int image = 0;
    for (QAction* action : m_actions) {
        if (!action)
            continue;
        const QPixmap* pixmap = m_images.Pixmap(image++);
        action->setIcon(pixmap ? QIcon(*pixmap) : QIcon());
    }
}

bool CToolBar::SetToolTipText(UINT id, std::string_view prompt)
{
    QAction* action = ActionOf(id);
    if (!action)
        return false;
    if (!(GetBarStyle() & CBRS_TOOLTIPS))
        return true; // kept from showing, as the bar was made without tips
    const size_t newline = prompt.rfind('\n');
    const std::string_view tip = newline == std::string_view::npos ? prompt : prompt.substr(newline + 1);
    action->setToolTip(platform::ToQString(tip));
    return true;
}

QAction* CToolBar::ActionOf(UINT id) const
{
    const int index = CommandToIndex(id);
    return index < 0 ? nullptr : m_actions[size_t(index)];
}

UINT CToolBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_ids[size_t(index)] : ID_SEPARATOR;
}

int CToolBar::CommandToIndex(UINT id) const
{
    for (size_t i = 0; i < m_ids.size(); ++i)
        if (m_ids[i] == id && m_actions[i])
            return int(i);
    return -1;
}

bool CToolBar::IsButtonEnabled(UINT id) const
{
    QAction* action = ActionOf(id);
    return action && action->isEnabled();
}

bool CToolBar::IsButtonChecked(UINT id) const
{
    QAction* action = ActionOf(id);
    return action && action->isChecked();
}

void CToolBar::Clicked(UINT id)
{
    // Qt ticks a checkable button on its own; the check is the update pass's to set.
    if (QAction* action = ActionOf(id); action && action->isCheckable())
        action->setChecked(!action->isChecked());
    // Queued, as a menu choice is: the command may destroy the bar whose click delivers it.
    if (CWnd* owner = GetOwner())
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(id), WORD(CN_COMMAND)), 0);
}

void CToolBar::OnUpdateCmdUI(CCmdTarget* target, bool disableIfNoHandler)
{
    if (!target)
        return;
    for (QAction* action : m_actions) {
        if (!action)
            continue;
        platform::ActionCmdUI element(action);
        element.DoUpdate(target, disableIfNoHandler);
    }
}
