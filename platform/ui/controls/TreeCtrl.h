#pragma once

// A tree control. Items are reached through HTREEITEM handles that stay valid until their
// item is deleted; a handle of a deleted item (or of another tree) is refused, never followed.
// Selection changes are announced to the parent, also those made by the program (with cause
// TVC_UNKNOWN); the parent may veto them. Texts are Windows-1252.
#include "platform/ui/controls/ScrollBar.h"
#include "platform/ui/window/Wnd.h"

#include <QIcon>
#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>

class CImageList;
class QTreeWidgetItem;
class QTreeWidget;
class QPixmap;
class QString;

namespace platform {
class TreeWidget;
class TreeItem;
class TreeSelectionModel;
}

struct TreeItemHandle; // never defined: a handle is a number, not an address
using HTREEITEM = TreeItemHandle*;
using DWORD_PTR = std::uintptr_t;

// Insertion places and the root, with their Windows values (no real handle takes them).
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(std::uintptr_t(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(std::uintptr_t(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(std::uintptr_t(-0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(std::uintptr_t(-0x0FFFD));

constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
constexpr DWORD TVS_NOTOOLTIPS = 0x0080;

constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_BOLD = 0x0010;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT index) { return index << 12; }

constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

constexpr int TVSIL_NORMAL = 0;
constexpr int TVSIL_STATE = 2;

constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_PREVIOUS = 0x0002;
constexpr UINT TVGN_PARENT = 0x0003;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_FIRSTVISIBLE = 0x0005;
constexpr UINT TVGN_NEXTVISIBLE = 0x0006;
constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr UINT TVGN_CARET = 0x0009;

// Hit-test results.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

// Notifications (NMHDR codes) with their Windows values.
constexpr UINT NM_DBLCLK = UINT(-3);
constexpr UINT NM_RCLICK = UINT(-5);
constexpr UINT TVN_SELCHANGING = UINT(-401);
constexpr UINT TVN_SELCHANGED = UINT(-402);
constexpr UINT TVN_GETDISPINFO = UINT(-403);
constexpr UINT TVN_ITEMEXPANDING = UINT(-405);
constexpr UINT TVN_ITEMEXPANDED = UINT(-406);
constexpr UINT TVN_KEYDOWN = UINT(-412);

// What caused a selection change.
constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;

// An item whose images the parent gives when the tree draws (TVN_GETDISPINFO), as it gives
// the text of an item inserted with LPSTR_TEXTCALLBACK.
constexpr int I_IMAGECALLBACK = -1;

struct TVITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    char* pszText;  // TVN_GETDISPINFO: a buffer of cchTextMax bytes to fill (or point elsewhere)
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;  // the item data
};

struct NMTREEVIEW {
    NMHDR hdr;
    UINT action; // TVC_* for selection changes, TVE_* for expanding
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};

struct NMTVDISPINFO {
    NMHDR hdr;
    TVITEM item; // mask says what is asked for
};

struct NMTVKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};

class CTreeCtrl : public CWnd {
public:
    CTreeCtrl();
    ~CTreeCtrl() override;
    bool DestroyWindow() override;
    std::string GetClassName() const override { return "SysTreeView32"; }

    // Null when the parent or the place after which to insert is not an item of this tree.
    HTREEITEM InsertItem(const char* text, int image, int selectedImage,
                         HTREEITEM parent = TVI_ROOT, HTREEITEM insertAfter = TVI_LAST);
    HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM insertAfter = TVI_LAST);
    // Deletes the item with its children; TVI_ROOT deletes all.
    bool DeleteItem(HTREEITEM item);
    bool DeleteAllItems();

    bool SetItemText(HTREEITEM item, const char* text); // LPSTR_TEXTCALLBACK: asked for
    std::string GetItemText(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, DWORD_PTR data);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    bool SetItemImage(HTREEITEM item, int image, int selectedImage);
    bool GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    bool SetItemState(HTREEITEM item, UINT state, UINT stateMask);
    UINT GetItemState(HTREEITEM item, UINT stateMask) const;

    HTREEITEM GetSelectedItem() const { return m_selected; }
    // False when the parent vetoed or the item is not one of this tree (null clears).
    bool SelectItem(HTREEITEM item);
    // Program-made expansion is not announced.
    bool Expand(HTREEITEM item, UINT code);
    bool EnsureVisible(HTREEITEM item);

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
    HTREEITEM GetPrevVisibleItem(HTREEITEM item) const
    {
        return GetNextItem(item, TVGN_PREVIOUSVISIBLE);
    }
    bool ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const { return UINT(m_items.size()); }
    // The item at a point of the client area; flags get the TVHT_* part hit.
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    int GetItemHeight() const;
    // The tree scrolls by whole items vertically and by pixels horizontally.
    bool GetScrollInfo(int bar, SCROLLINFO* info) const;

    // The list is not owned; it must outlive its use by the tree. Returns the previous one.
    CImageList* SetImageList(CImageList* list, int kind);
    CImageList* GetImageList(int kind) const;
    // -1 returns to the system colours. Each returns the previous colour.
    COLORREF SetBkColor(COLORREF color);
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    COLORREF GetTextColor() const { return m_textColor; }

    // Subclasses that override it call it: the items' area starts hearing the mouse here.
    int OnCreate(CREATESTRUCT* create) override;
    // Fills the client area with the background colour before the items are drawn.
    bool OnEraseBkgnd(CDC* dc) override;
    // The default processing sends TVN_KEYDOWN, NM_DBLCLK and NM_RCLICK to the parent.
    void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    bool PaintsItself() const override { return false; }

private:
    friend class platform::TreeWidget;
    friend class platform::TreeItem;
    friend class platform::TreeSelectionModel;

    QTreeWidget* Tree() const;
    platform::TreeItem* Item(HTREEITEM handle) const; // null for stale or foreign handles
    HTREEITEM HandleOf(const QTreeWidgetItem* item) const;
    platform::TreeItem* ParentFor(HTREEITEM parent) const;
    int InsertRow(QTreeWidgetItem* parent, HTREEITEM insertAfter, const QString& text) const;
    void Register(platform::TreeItem* item);
    void Unregister(QTreeWidgetItem* item); // with its children
    void WidgetGoing(QTreeWidget* widget);
    void RefreshIcons();
    void RefreshColors();
    HTREEITEM SelectionAfterDeleting(QTreeWidgetItem* item) const;

    // Selection: asked of the parent before, announced after.
    bool ChangeSelection(HTREEITEM item, UINT cause);
    void MoveSelectionQuietly(HTREEITEM item);
    bool AskSelChanging(HTREEITEM from, HTREEITEM to, UINT cause);
    void AnnounceSelChanged(HTREEITEM from, LPARAM fromData, HTREEITEM to, UINT cause);
    void FillItem(TVITEM& out, HTREEITEM item) const;
    // Expansion made by the user: the parent may veto it.
    void UserExpanded(QTreeWidgetItem* item, bool expanded);
    bool AskExpanding(HTREEITEM item, UINT action);
    void CollapsedOverSelection(QTreeWidgetItem* item);
    // Display data asked of the parent while drawing.
    QString CallbackText(HTREEITEM item) const;
    QIcon IconOf(const platform::TreeItem& item) const;
    const QPixmap* NormalImage(const platform::TreeItem& item, bool selected) const;
    QPixmap ComposeIcon(QSize size, const QPixmap* state, const QPixmap* normal) const;
    int CallbackImage(HTREEITEM item, bool selected) const;

    std::unordered_map<std::uintptr_t, platform::TreeItem*> m_items;
    HTREEITEM m_selected = nullptr;
    UINT m_cause = TVC_UNKNOWN;   // of the user input being handled
    int m_quiet = 0;              // > 0 while the tree itself moves things
    HTREEITEM m_expanding = nullptr; // reported with its former state while asked about
    CImageList* m_normalImages = nullptr;
    CImageList* m_stateImages = nullptr;
    // The icons made so far, by the images they join (state, normal, selected) and their size.
    // Qt keeps in its pixmap cache whatever an icon draws, under the icon's own key: icons made
    // anew at each paint would fill that cache as the tree is drawn again and again.
    using IconKey = std::array<qint64, 5>;
    mutable std::map<IconKey, QIcon> m_icons;
    COLORREF m_bkColor = COLORREF(-1);
    COLORREF m_textColor = COLORREF(-1);
};
