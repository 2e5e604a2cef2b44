#include "platform/ui/docview/CmdTarget.h"

#include "platform/ui/window/Notifications.h"

namespace {

bool EntryMatches(const CmdMapEntry& e, UINT id, int code, void* extra)
{
    if (e.code != code || id < e.firstId || id > e.lastId)
        return false;
    if (code == CN_NOTIFY)
        return extra && static_cast<CmdNotify*>(extra)->header->code == e.notifyCode;
    return true;
}

} // namespace

const CmdMap* CCmdTarget::GetThisCommandMap()
{
    static const CmdMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const CmdMap map{nullptr, entries};
    return &map;
}

const CmdMapEntry* CCmdTarget::FindCommandEntry(UINT id, int code, void* extra) const
{
    for (const CmdMap* map = GetCommandMap(); map; map = map->base ? map->base() : nullptr) {
        for (const CmdMapEntry* e = map->entries; e->invoke; ++e) {
            if (EntryMatches(*e, id, code, extra))
                return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo)
{
    const CmdMapEntry* entry = FindCommandEntry(id, code, extra);
    if (!entry)
        return false;
    if (handlerInfo) {
        handlerInfo->target = this;
        handlerInfo->entry = entry;
        return true;
    }
    entry->invoke(this, id, extra);
    return true;
}

bool CCmdUI::DoUpdate(CCmdTarget* target, bool disableIfNoHandler)
{
    m_enableChanged = false;
    bool handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
    if (!handled && disableIfNoHandler && !m_enableChanged) {
        CmdHandlerInfo info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
