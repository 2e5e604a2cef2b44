#include "platform/ui/controls/TreeWidget.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/draw/ImageList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {
TreeWidget::TreeWidget(CTreeCtrl* owner, QWidget* parent) : QTreeWidget(parent), m_owner(owner) {}

void TreeWidget::paintEvent(QPaintEvent* event)
{
    if (m_owner) {
        QPainter painter(viewport());
        CDC dc(&painter);
        m_owner->OnEraseBkgnd(&dc);
    }
    QTreeWidget::paintEvent(event);
}

TreeWidget::~TreeWidget()
{
    if (m_owner)
        m_owner->WidgetGoing(this);
}

template <class Handle>
void TreeWidget::WithCause(UINT cause, Handle handle)
{
    if (!m_owner) {
        handle();
        return;
    }
    const UINT old = m_owner->m_cause;
    m_owner->m_cause = cause;
    handle();
    if (m_owner) // the handlers may have destroyed the control
        m_owner->m_cause = old;
}

void TreeWidget::mousePressEvent(QMouseEvent* event)
{
    WithCause(TVC_BYMOUSE, [&] { QTreeWidget::mousePressEvent(event); });
}

void TreeWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    WithCause(TVC_BYMOUSE, [&] { QTreeWidget::mouseDoubleClickEvent(event); });
}

void TreeWidget::keyPressEvent(QKeyEvent* event)
{
    WithCause(TVC_BYKEYBOARD, [&] { QTreeWidget::keyPressEvent(event); });
}

void TreeSelectionModel::setCurrentIndex(const QModelIndex& index, SelectionFlags command)
{
    if (!m_owner || m_owner->m_quiet > 0) {
        QItemSelectionModel::setCurrentIndex(index, command);
        HighlightCurrentOnly();
        return;
    }
    auto* tree = static_cast<QTreeWidget*>(m_owner->Tree());
    HTREEITEM target = m_owner->HandleOf(tree->itemFromIndex(index));
    if (target == m_owner->m_selected)
        return;
    m_owner->ChangeSelection(target, m_owner->m_cause);
}

void TreeSelectionModel::select(const QModelIndex&, SelectionFlags)
{
    HighlightCurrentOnly();
}

void TreeSelectionModel::select(const QItemSelection&, SelectionFlags)
{
    HighlightCurrentOnly();
}

void TreeSelectionModel::clearCurrentIndex()
{
    if (!m_owner || m_owner->m_quiet > 0)
        QItemSelectionModel::clearCurrentIndex();
}

void TreeSelectionModel::clear()
{
    if (!m_owner || m_owner->m_quiet > 0)
        QItemSelectionModel::clear();
}

void TreeSelectionModel::MoveTo(const QModelIndex& index)
{
    QItemSelectionModel::setCurrentIndex(index, NoUpdate);
    HighlightCurrentOnly();
}

// Qt's single-index select calls the selection one, so only that one is called here.
void TreeSelectionModel::HighlightCurrentOnly()
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        QItemSelectionModel::select(QItemSelection(current, current), ClearAndSelect | Rows);
    else
        QItemSelectionModel::select(QItemSelection(), Clear);
}

QVariant TreeItem::data(int column, int role) const
{
    auto* tree = static_cast<TreeWidget*>(treeWidget());
    CTreeCtrl* owner = tree ? tree->Owner() : nullptr;
    if (column != 0 || !owner)
        return QTreeWidgetItem::data(column, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_textCallback ? owner->CallbackText(Handle()) : m_text;
    case Qt::DecorationRole:
        return owner->IconOf(*this);
    case Qt::FontRole:
        if (m_bold) {
            QFont font = tree->font();
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return QTreeWidgetItem::data(column, role);
    }
}

} // namespace platform
