#pragma once

// Command maps: each class that handles commands declares a static table of entries chained to
// its base class's table. OnCmdMsg walks the chain from the most derived class upwards; the
// frame layer extends the routing to other targets (view, document, frame, application).
#include "platform/ui/window/WinTypes.h"

#include <cstddef>
#include <string>

class CCmdTarget;
class CCmdUI;
class CMenu;
struct NMHDR;

// Notification codes carried with a command id. A plain command (menu, toolbar, accelerator)
// has code CN_COMMAND; the update pass asks with CN_UPDATE_COMMAND_UI and a CCmdUI as extra.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;
// Notifications that carry an NMHDR (tree controls) arrive with this code; the NMHDR's own
// code selects the map entry.
constexpr int CN_NOTIFY = -2;

// What a CN_NOTIFY command carries as its extra.
struct CmdNotify {
    NMHDR* header;
    LRESULT* result;
};

struct CmdMapEntry {
    int code;        // CN_COMMAND, CN_UPDATE_COMMAND_UI, CN_NOTIFY or a control notification
    UINT notifyCode; // for CN_NOTIFY: the NMHDR code
    UINT firstId;
    UINT lastId;
    // Calls the handler on the target (already known to be of the entry's class).
    void (*invoke)(CCmdTarget* target, UINT id, void* extra);
};

struct CmdMap {
    const CmdMap* (*base)(); // null for the root
    const CmdMapEntry* entries; // ended by an entry with a null invoke
};

// Filled by OnCmdMsg when the caller only asks whether a handler exists.
struct CmdHandlerInfo {
    CCmdTarget* target = nullptr;
    const CmdMapEntry* entry = nullptr;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the first map entry (most derived class first) that matches id and code. With a
    // handler info, only reports the match without calling it. True when an entry matched.
    virtual bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo = nullptr);

protected:
    virtual const CmdMap* GetCommandMap() const { return GetThisCommandMap(); }
    static const CmdMap* GetThisCommandMap();

    // Looks for an entry in this object's map chain without calling it.
    const CmdMapEntry* FindCommandEntry(UINT id, int code, void* extra) const;
};

// The state of one user-interface element (menu item, toolbar button, pane) during the update
// pass. The framework subclasses it for each kind of element; this base records the calls.
class CCmdUI {
public:
    explicit CCmdUI(UINT id = 0) : m_nID(id) {}
    virtual ~CCmdUI() = default;

    virtual void Enable(bool on = true) { m_enabled = on; m_enableChanged = true; }
    virtual void SetCheck(int check = 1) { m_check = check; } // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(bool on = true) { SetCheck(on ? 1 : 0); }
    virtual void SetText(const std::string& text) { m_text = text; } // Windows-1252

    // Asks target for an update handler; when there is none and disableIfNoHandler is set,
    // the element is disabled unless the target handles the command itself.
    bool DoUpdate(CCmdTarget* target, bool disableIfNoHandler);

    UINT m_nID;
    bool m_enabled = true;
    bool m_enableChanged = false;
    int m_check = 0;
    std::string m_text;
    // For a menu item: its menu and place. A handler that adds or removes items (the recent
    // files) moves m_nIndex to the last item it dealt with.
    CMenu* m_pMenu = nullptr;
    UINT m_nIndex = 0;
};

// Builders for map entries. Each checks the handler's signature at compile time.
namespace platform::cmdmap {

template <class T, void (T::*Handler)()>
void CallVoid(CCmdTarget* t, UINT, void*) { (static_cast<T*>(t)->*Handler)(); }

template <class T, void (T::*Handler)(UINT)>
void CallWithId(CCmdTarget* t, UINT id, void*) { (static_cast<T*>(t)->*Handler)(id); }

template <class T, void (T::*Handler)(CCmdUI*)>
void CallUpdate(CCmdTarget* t, UINT, void* extra)
{
    (static_cast<T*>(t)->*Handler)(static_cast<CCmdUI*>(extra));
}

template <class T, void (T::*Handler)(NMHDR*, LRESULT*)>
void CallNotify(CCmdTarget* t, UINT, void* extra)
{
    auto* n = static_cast<CmdNotify*>(extra);
    (static_cast<T*>(t)->*Handler)(n->header, n->result);
}

} // namespace platform::cmdmap

#define DECLARE_MESSAGE_MAP()                                                                    \
protected:                                                                                       \
    static const CmdMap* GetThisCommandMap();                                                    \
    const CmdMap* GetCommandMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                   \
    const CmdMap* theClass::GetCommandMap() const { return GetThisCommandMap(); }                \
    const CmdMap* theClass::GetThisCommandMap()                                                  \
    {                                                                                            \
        using ThisClass = theClass;                                                              \
        using TheBaseClass = baseClass;                                                          \
        static const CmdMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                        \
            {0, 0, 0, 0, nullptr}                                                                \
        };                                                                                       \
        static const CmdMap map{&TheBaseClass::GetThisCommandMap, entries};                      \
        return &map;                                                                             \
    }

#define ZOD_CMD_ENTRY(code, first, last, caller, fn)                                             \
    {code, 0, UINT(first), UINT(last), &platform::cmdmap::caller<ThisClass, &ThisClass::fn>},

#define ON_COMMAND(id, fn) ZOD_CMD_ENTRY(CN_COMMAND, id, id, CallVoid, fn)
#define ON_COMMAND_RANGE(first, last, fn) ZOD_CMD_ENTRY(CN_COMMAND, first, last, CallWithId, fn)
#define ON_UPDATE_COMMAND_UI(id, fn) ZOD_CMD_ENTRY(CN_UPDATE_COMMAND_UI, id, id, CallUpdate, fn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)                                              \
    ZOD_CMD_ENTRY(CN_UPDATE_COMMAND_UI, first, last, CallUpdate, fn)
// A control notification (BN_CLICKED, EN_CHANGE, ...) from the control with the given id.
#define ON_CONTROL(code, id, fn) ZOD_CMD_ENTRY(int(code), id, id, CallVoid, fn)
#define ON_CONTROL_RANGE(code, first, last, fn) ZOD_CMD_ENTRY(int(code), first, last, CallWithId, fn)
#define ON_NOTIFY(code, id, fn)                                                                  \
    {CN_NOTIFY, UINT(code), UINT(id), UINT(id),                                                  \
     &platform::cmdmap::CallNotify<ThisClass, &ThisClass::fn>},

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
