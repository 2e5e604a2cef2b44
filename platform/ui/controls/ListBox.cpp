#include "platform/ui/controls/ListBox.h"

#include "platform/ui/window/WinText.h"

#include <QListWidget>

namespace {

class Quiet {
public:
    explicit Quiet(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~Quiet() { m_flag = m_old; }

private:
    bool& m_flag;
    bool m_old;
};

} // namespace

QListWidget* CListBox::List() const
{
    return static_cast<QListWidget*>(GetWidget());
}

QWidget* CListBox::CreateWidget(QWidget* parent, DWORD style)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(style & LBS_EXTENDEDSEL   ? QAbstractItemView::ExtendedSelection
                           : style & LBS_MULTIPLESEL ? QAbstractItemView::MultiSelection
                                                     : QAbstractItemView::SingleSelection);
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

bool CListBox::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QListWidget*>(widget) != nullptr;
}

void CListBox::ConnectWidget()
{
    QObject::connect(List(), &QListWidget::itemSelectionChanged, Context(), Guard([this] {
        if (!m_programmatic && (GetStyle() & LBS_NOTIFY))
            NotifyParent(LBN_SELCHANGE);
    }));
    QObject::connect(List(), &QListWidget::itemDoubleClicked, Context(), Guard([this] {
        if (GetStyle() & LBS_NOTIFY)
            NotifyParent(LBN_DBLCLK);
    }));
}

int CListBox::AddString(std::string_view text)
{
    if (!GetWidget())
        return LB_ERR;
    QString q = platform::ToQString(text);
    int index = GetCount();
    if (GetStyle() & LBS_SORT) {
        index = 0;
        while (index < GetCount() && List()->item(index)->text().compare(q, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    Quiet quiet(m_programmatic);
    List()->insertItem(index, q);
    return index;
}

int CListBox::InsertString(int index, std::string_view text)
{
    if (!GetWidget() || index > GetCount())
        return LB_ERR;
    if (index < 0)
        index = GetCount();
    Quiet quiet(m_programmatic);
    List()->insertItem(index, platform::ToQString(text));
    return index;
}

int CListBox::DeleteString(int index)
{
    if (!ValidIndex(index))
        return LB_ERR;
    Quiet quiet(m_programmatic);
    delete List()->takeItem(index);
    return GetCount();
}

int CListBox::GetCount() const
{
    return GetWidget() ? List()->count() : 0;
}

int CListBox::GetCurSel() const
{
    if (!GetWidget())
        return LB_ERR;
    QListWidgetItem* item = List()->currentItem();
    return item && item->isSelected() ? List()->row(item) : LB_ERR;
}

int CListBox::SetCurSel(int index)
{
    if (!GetWidget())
        return LB_ERR;
    Quiet quiet(m_programmatic);
    if (!ValidIndex(index)) {
        List()->clearSelection();
        List()->setCurrentItem(nullptr);
        return index == -1 ? 0 : LB_ERR;
    }
    List()->setCurrentRow(index);
    return index;
}

int CListBox::GetSel(int index) const
{
    return ValidIndex(index) ? (List()->item(index)->isSelected() ? 1 : 0) : LB_ERR;
}

int CListBox::SetSel(int index, bool select)
{
    if (!GetWidget() || index < -1 || index >= GetCount())
        return LB_ERR;
    Quiet quiet(m_programmatic);
    if (index == -1) {
        for (int i = 0; i < GetCount(); ++i)
            List()->item(i)->setSelected(select);
    } else {
        List()->item(index)->setSelected(select);
    }
    return 0;
}

int CListBox::GetSelCount() const
{
    return GetWidget() ? int(List()->selectedItems().size()) : LB_ERR;
}

std::string CListBox::GetText(int index) const
{
    return ValidIndex(index) ? platform::FromQString(List()->item(index)->text()) : std::string();
}

int CListBox::FindStringExact(int startAfter, std::string_view text) const
{
    return platform::FindItem(GetCount(), startAfter, platform::ToQString(text), true,
                              [this](int i) { return List()->item(i)->text(); });
}

int CListBox::FindString(int startAfter, std::string_view text) const
{
    return platform::FindItem(GetCount(), startAfter, platform::ToQString(text), false,
                              [this](int i) { return List()->item(i)->text(); });
}

void CListBox::ResetContent()
{
    if (!GetWidget())
        return;
    Quiet quiet(m_programmatic);
    List()->clear();
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    if (!ValidIndex(index))
        return LB_ERR;
    List()->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    if (!ValidIndex(index))
        return DWORD_PTR(LB_ERR);
    return DWORD_PTR(List()->item(index)->data(Qt::UserRole).toULongLong());
}
