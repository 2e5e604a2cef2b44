// Pop-up menus: the owner updates the items, the user (or a test's script) chooses one.
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Menu.h"
#include "platform/ui/window/Wnd.h"

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT*)
{
    if (!m_data)
        return 0;
    if (owner)
        owner->OnInitMenuPopup(this, 0, false);
    platform::MenuRequest request;
    request.menu = this;
    request.x = x;
    request.y = y;
    request.parent = owner ? owner->GetWidget() : nullptr;
    if (owner)
        request.hovered = [owner](UINT id) { owner->OnMenuSelect(id, id ? 0 : 0xFFFF, nullptr); };
    const UINT chosen = platform::Modal().TrackMenu(request);
    if (flags & TPM_RETURNCMD)
        return chosen;
    // The choice arrives as a queued command, after the menu has gone.
    if (chosen && owner && owner->IsWindow())
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(chosen), 0), 0);
    return 1;
}
