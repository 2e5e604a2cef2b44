#pragma once

// Internal to the tree control: the Qt classes it is made of.
#include "platform/ui/controls/TreeCtrl.h"

#include <QItemSelectionModel>
#include <QTreeWidget>

namespace platform {

// The tree moves things itself: Qt's signals of the move are not the user's doing.
class QuietScope {
public:
    explicit QuietScope(int& quiet) : m_quiet(quiet) { ++m_quiet; }
    ~QuietScope() { --m_quiet; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    int& m_quiet;
};

class TreeItem : public QTreeWidgetItem {
public:
    explicit TreeItem(std::uintptr_t handle) : QTreeWidgetItem(UserType), m_handle(handle) {}
    QVariant data(int column, int role) const override;
    void Changed() { emitDataChanged(); }
    HTREEITEM Handle() const { return reinterpret_cast<HTREEITEM>(m_handle); }

    std::uintptr_t m_handle;
    QString m_text;
    bool m_textCallback = false;
    int m_image = 0;
    int m_selectedImage = 0;
    UINT m_stateImage = 0;
    bool m_bold = false;
    DWORD_PTR m_data = 0;
};

// Knows its control, and which input (mouse or keyboard) is being handled.
class TreeWidget : public QTreeWidget {
public:
    TreeWidget(CTreeCtrl* owner, QWidget* parent);
    ~TreeWidget() override;
    CTreeCtrl* Owner() const { return m_owner; }
    void Disown() { m_owner = nullptr; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The control erases the background (a subclass may paint its own), then Qt draws the
    // items over it.
    void paintEvent(QPaintEvent* event) override;

private:
    template <class Handle>
    void WithCause(UINT cause, Handle handle);
    CTreeCtrl* m_owner;
};

// The tree's selection is its current item; every change of it passes the control, which
// asks the parent first.
class TreeSelectionModel : public QItemSelectionModel {
public:
    TreeSelectionModel(CTreeCtrl* owner, QAbstractItemModel* model)
        : QItemSelectionModel(model), m_owner(owner) {}
    void Disown() { m_owner = nullptr; }
    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override;
    void select(const QModelIndex& index, SelectionFlags command) override;
    void select(const QItemSelection& selection, SelectionFlags command) override;
    // Qt drops the current item when a click finds no item (the tree was emptied under it);
    // only the control moves the selection.
    void clearCurrentIndex() override;
    void clear() override;
    // Moves without asking anyone.
    void MoveTo(const QModelIndex& index);

private:
    void HighlightCurrentOnly();
    CTreeCtrl* m_owner;
};

} // namespace platform
