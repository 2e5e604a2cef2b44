// The tree control: walking the items, hit testing, images and colours.
#include "platform/ui/controls/TreeCtrl.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/ImageList.h"
#include "platform/ui/draw/SystemMetrics.h"
#include "platform/ui/controls/TreeWidget.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QScrollBar>

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM handle, UINT code) const
{
    if (!GetWidget())
        return nullptr;
    QTreeWidget* tree = Tree();
    const bool fromRoot = handle == nullptr || handle == TVI_ROOT;
    switch (code) {
    case TVGN_ROOT: return HandleOf(tree->topLevelItem(0));
    case TVGN_CARET: return m_selected;
    case TVGN_FIRSTVISIBLE: {
        // The column fills the width, so its right end always lies on the row's item.
        QWidget* viewport = tree->viewport();
        return HandleOf(tree->itemAt(viewport->width() - 1, 0));
    }
    case TVGN_CHILD:
        if (fromRoot)
            return HandleOf(tree->topLevelItem(0));
        break;
    default: break;
    }
    platform::TreeItem* item = Item(handle);
    if (!item)
        return nullptr;
    QTreeWidgetItem* parent = item->parent();
    const int row = parent ? parent->indexOfChild(item) : tree->indexOfTopLevelItem(item);
    auto sibling = [&](int r) { return parent ? parent->child(r) : tree->topLevelItem(r); };
    switch (code) {
    case TVGN_NEXT: return HandleOf(sibling(row + 1));
    case TVGN_PREVIOUS: return row > 0 ? HandleOf(sibling(row - 1)) : nullptr;
    case TVGN_PARENT: return HandleOf(parent);
    case TVGN_CHILD: return HandleOf(item->child(0));
    case TVGN_NEXTVISIBLE: return HandleOf(tree->itemBelow(item));
    case TVGN_PREVIOUSVISIBLE: return HandleOf(tree->itemAbove(item));
    default: return nullptr;
    }
}

int CTreeCtrl::GetItemHeight() const
{
    if (!GetWidget())
        return 0;
    const int hint = Tree()->sizeHintForRow(0);
    if (hint > 0)
        return hint;
    return std::max(Tree()->iconSize().height(), Tree()->fontMetrics().height()) + 2;
}

bool CTreeCtrl::GetScrollInfo(int bar, SCROLLINFO* info) const
{
    if (!GetWidget() || !info || (bar != SB_HORZ && bar != SB_VERT))
        return false;
    const QScrollBar* scroll = bar == SB_VERT ? Tree()->verticalScrollBar() : Tree()->horizontalScrollBar();
    info->nMin = scroll->minimum();
    info->nPage = UINT(scroll->pageStep());
    info->nMax = scroll->maximum() + scroll->pageStep() - 1;
    info->nPos = info->nTrackPos = scroll->value();
    return true;
}

bool CTreeCtrl::OnEraseBkgnd(CDC* dc)
{
    // The items' area, inside the frame and scroll bars.
    const QWidget* viewport = Tree()->viewport();
    const CRect client(0, 0, viewport->width(), viewport->height());
    dc->FillSolidRect(&client, m_bkColor != COLORREF(-1) ? m_bkColor : GetSysColor(COLOR_WINDOW));
    return true;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    UINT where = TVHT_NOWHERE;
    HTREEITEM found = nullptr;
    if (GetWidget()) {
        QTreeWidget* tree = Tree();
        const QWidget* viewport = tree->viewport();
        QTreeWidgetItem* item =
            point.y < 0 ? nullptr : tree->itemAt(std::max(0, viewport->width() - 1), point.y);
        if (point.y < 0)
            where = TVHT_ABOVE;
        else if (point.y >= viewport->height())
            where = TVHT_BELOW;
        else if (point.x < 0)
            where = TVHT_TOLEFT;
        else if (point.x >= viewport->width())
            where = TVHT_TORIGHT;
        else if (item) {
            found = HandleOf(item);
            const QRect cell = tree->visualItemRect(item);
            const int stateWidth = m_stateImages ? m_stateImages->GetImageSize().cx : 0;
            const int iconEnd = cell.left() + tree->iconSize().width();
            const int textWidth = tree->fontMetrics().horizontalAdvance(item->text(0));
            if (point.x < cell.left())
                where = point.x >= cell.left() - tree->indentation() && item->childCount() > 0
                            ? TVHT_ONITEMBUTTON
                            : TVHT_ONITEMINDENT;
            else if (point.x < cell.left() + stateWidth)
                where = TVHT_ONITEMSTATEICON;
            else if (point.x < iconEnd)
                where = TVHT_ONITEMICON;
            else if (point.x < iconEnd + textWidth + 8) // the label with its margins
                where = TVHT_ONITEMLABEL;
            else
                where = TVHT_ONITEMRIGHT;
        }
    }
    if (flags)
        *flags = where;
    return found;
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int kind)
{
    CImageList*& slot = kind == TVSIL_STATE ? m_stateImages : m_normalImages;
    if (kind != TVSIL_STATE && kind != TVSIL_NORMAL)
        return nullptr;
    CImageList* old = slot;
    slot = list;
    // Setting the same list again keeps its icons, and Qt's cache of what they drew.
    if (list != old)
        m_icons.clear();
    RefreshIcons();
    return old;
}

CImageList* CTreeCtrl::GetImageList(int kind) const
{
    return kind == TVSIL_STATE ? m_stateImages : kind == TVSIL_NORMAL ? m_normalImages : nullptr;
}

// State image and image stand side by side in each item's icon.
void CTreeCtrl::RefreshIcons()
{
    if (!GetWidget())
        return;
    CSize state = m_stateImages ? m_stateImages->GetImageSize() : CSize();
    CSize normal = m_normalImages ? m_normalImages->GetImageSize() : CSize();
    Tree()->setIconSize(QSize(state.cx + normal.cx, std::max(state.cy, normal.cy)));
    Tree()->viewport()->update();
}

const QPixmap* CTreeCtrl::NormalImage(const platform::TreeItem& item, bool selected) const
{
    if (!m_normalImages)
        return nullptr;
    int index = selected ? item.m_selectedImage : item.m_image;
    if (index == I_IMAGECALLBACK)
        index = CallbackImage(item.Handle(), selected);
    return m_normalImages->Pixmap(index);
}

QPixmap CTreeCtrl::ComposeIcon(QSize size, const QPixmap* state, const QPixmap* normal) const
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (state)
        painter.drawPixmap(0, 0, *state);
    if (normal)
        painter.drawPixmap(m_stateImages ? m_stateImages->GetImageSize().cx : 0, 0, *normal);
    return pixmap;
}

QIcon CTreeCtrl::IconOf(const platform::TreeItem& item) const
{
    const QSize size = Tree()->iconSize();
    if (size.isEmpty() || (!m_normalImages && !m_stateImages))
        return {};
    // State image 0 means none.
    const QPixmap* state = m_stateImages && item.m_stateImage ? m_stateImages->Pixmap(int(item.m_stateImage)) : nullptr;
    const QPixmap* normal = NormalImage(item, false);
    const QPixmap* selected = NormalImage(item, true);
    auto keyOf = [](const QPixmap* pixmap) { return pixmap ? pixmap->cacheKey() : 0; };
    const IconKey key{keyOf(state), keyOf(normal), keyOf(selected), size.width(), size.height()};
    const auto [found, added] = m_icons.try_emplace(key);
    if (added) {
        found->second.addPixmap(ComposeIcon(size, state, normal), QIcon::Normal);
        found->second.addPixmap(ComposeIcon(size, state, selected), QIcon::Selected);
    }
    return found->second;
}

COLORREF CTreeCtrl::SetBkColor(COLORREF color)
{
    const COLORREF old = m_bkColor;
    m_bkColor = color;
    RefreshColors();
    return old;
}

COLORREF CTreeCtrl::SetTextColor(COLORREF color)
{
    const COLORREF old = m_textColor;
    m_textColor = color;
    RefreshColors();
    return old;
}

void CTreeCtrl::RefreshColors()
{
    if (!GetWidget())
        return;
    QPalette palette = QApplication::palette(Tree());
    if (m_bkColor != COLORREF(-1))
        palette.setColor(QPalette::Base, platform::ToQColor(m_bkColor));
    if (m_textColor != COLORREF(-1))
        palette.setColor(QPalette::Text, platform::ToQColor(m_textColor));
    Tree()->setPalette(palette);
}
