#include "platform/ui/controls/ComboBox.h"

#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/EditKeys.h"
#include "platform/ui/window/WinText.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace {

class ComboWidget : public QComboBox {
public:
    using QComboBox::QComboBox;
    void SetDropping(std::function<void()> dropping) { m_dropping = std::move(dropping); }

    void showPopup() override
    {
        if (m_dropping)
            m_dropping();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_dropping;
};

} // namespace

namespace platform {

int FindItem(int count, int startAfter, const QString& text, bool exact,
             const std::function<QString(int)>& itemText)
{
    if (count <= 0)
        return -1;
    int start = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int n = 0; n < count; ++n) {
        int i = (start + n) % count;
        QString item = itemText(i);
        bool match = exact ? item.compare(text, Qt::CaseInsensitive) == 0
                           : item.startsWith(text, Qt::CaseInsensitive);
        if (match)
            return i;
    }
    return -1;
}

} // namespace platform

QComboBox* CComboBox::Box() const
{
    return static_cast<QComboBox*>(GetWidget());
}

QWidget* CComboBox::CreateWidget(QWidget* parent, DWORD style)
{
    auto* box = new ComboWidget(parent);
    box->setEditable((style & 3) != CBS_DROPDOWNLIST);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(30);
    return box;
}

bool CComboBox::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QComboBox*>(widget) != nullptr;
}

CComboBox::CComboBox() = default;
CComboBox::~CComboBox() = default;

void CComboBox::ConnectWidget()
{
    QComboBox* box = Box();
    if (auto* dropping = dynamic_cast<ComboWidget*>(box))
        dropping->SetDropping(Guard([this] { NotifyParent(CBN_DROPDOWN); }));
    QObject::connect(box, &QComboBox::activated, Context(), Guard([this] { NotifyParent(CBN_SELCHANGE); }));
    QLineEdit* edit = box->lineEdit();
    if (!edit)
        return;
    // Typing, not text the program or the list puts there, is an edit change.
    QObject::connect(edit, &QLineEdit::textEdited, Context(), Guard([this] {
        NotifyParent(CBN_EDITUPDATE);
        NotifyParent(CBN_EDITCHANGE);
    }));
    // The edit part is a window of its own, as on Windows: dialog item 1001 of the combo box.
    m_editPart = std::make_unique<CEdit>();
    m_editPart->Attach(edit, kComboEditId);
}

bool CComboBox::MayKeepFromAccelerators(const QKeyEvent& key) const
{
    return !GetWidget() || !Box()->isEditable() || platform::IsEditControlKey(key);
}

bool CComboBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != kComboEditId)
        return CWnd::OnCommand(wParam, lParam);
    // The edit part's focus is the combo box's; its text changes are told as edits above.
    switch (HIWORD(wParam)) {
    case EN_SETFOCUS: NotifyParent(CBN_SETFOCUS); break;
    case EN_KILLFOCUS:
        if (!GetWidget() || !GetWidget()->isAncestorOf(QApplication::focusWidget()))
            NotifyParent(CBN_KILLFOCUS);
        break;
    default: break;
    }
    return true;
}

int CComboBox::AddString(std::string_view text)
{
    if (!GetWidget())
        return CB_ERR;
    QString q = platform::ToQString(text);
    int index = GetCount();
    if (GetStyle() & CBS_SORT) {
        index = 0;
        while (index < GetCount() && Box()->itemText(index).compare(q, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    Box()->insertItem(index, q);
    return index;
}

int CComboBox::InsertString(int index, std::string_view text)
{
    if (!GetWidget() || index > GetCount())
        return CB_ERR;
    if (index < 0)
        index = GetCount();
    Box()->insertItem(index, platform::ToQString(text));
    return index;
}

int CComboBox::DeleteString(int index)
{
    if (!GetWidget() || !ValidIndex(index))
        return CB_ERR;
    Box()->removeItem(index);
    return GetCount();
}

int CComboBox::GetCount() const
{
    return GetWidget() ? Box()->count() : 0;
}

int CComboBox::GetCurSel() const
{
    return GetWidget() ? Box()->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index)
{
    if (!GetWidget())
        return CB_ERR;
    if (!ValidIndex(index)) {
        Box()->setCurrentIndex(-1);
        return CB_ERR;
    }
    Box()->setCurrentIndex(index);
    return index;
}

std::string CComboBox::GetLBText(int index) const
{
    return ValidIndex(index) ? platform::FromQString(Box()->itemText(index)) : std::string();
}

int CComboBox::GetLBTextLen(int index) const
{
    return ValidIndex(index) ? int(GetLBText(index).size()) : CB_ERR;
}

int CComboBox::FindStringExact(int startAfter, std::string_view text) const
{
    return platform::FindItem(GetCount(), startAfter, platform::ToQString(text), true,
                              [this](int i) { return Box()->itemText(i); });
}

int CComboBox::FindString(int startAfter, std::string_view text) const
{
    return platform::FindItem(GetCount(), startAfter, platform::ToQString(text), false,
                              [this](int i) { return Box()->itemText(i); });
}

void CComboBox::ResetContent()
{
    if (GetWidget())
        Box()->clear();
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    if (!ValidIndex(index))
        return CB_ERR;
    Box()->setItemData(index, QVariant::fromValue<qulonglong>(data));
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    if (!ValidIndex(index))
        return DWORD_PTR(CB_ERR);
    return DWORD_PTR(Box()->itemData(index).toULongLong());
}

void CComboBox::LimitText(int maxChars)
{
    if (GetWidget() && Box()->lineEdit())
        Box()->lineEdit()->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void CComboBox::ShowDropDown(bool show)
{
    if (!GetWidget())
        return;
    if (show)
        Box()->showPopup();
    else
        Box()->hidePopup();
}

void CComboBox::SetWidgetText(const QString& text)
{
    if (Box()->isEditable())
        Box()->setEditText(text);
    else
        Box()->setCurrentIndex(Box()->findText(text, Qt::MatchFixedString));
}

QString CComboBox::WidgetText() const
{
    return Box()->currentText();
}

void CComboBox::OnSetFocus(CWnd*)
{
    NotifyParent(CBN_SETFOCUS);
}

void CComboBox::OnKillFocus(CWnd*)
{
    NotifyParent(CBN_KILLFOCUS);
}
