#include "platform/ui/controls/Button.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool IsRadioStyle(DWORD type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsCheckStyle(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

} // namespace

QWidget* CButton::CreateWidget(QWidget* parent, DWORD style)
{
    DWORD type = style & BS_TYPEMASK;
    if (type == BS_GROUPBOX)
        return new QGroupBox(parent);
    QAbstractButton* button;
    if (IsRadioStyle(type)) {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // groups follow WS_GROUP, not the Qt parent
        button = radio;
    } else if (IsCheckStyle(type)) {
        auto* check = new QCheckBox(parent);
        check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        button = check;
    } else {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        button = push;
    }
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

bool CButton::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

void CButton::ConnectWidget()
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button)
        return;
    QObject::connect(button, &QAbstractButton::pressed, Context(), Guard([this] { m_check = GetCheck(); }));
    QObject::connect(button, &QAbstractButton::clicked, Context(), Guard([this] { Clicked(); }));
}

void CButton::ApplyStyle(DWORD oldStyle, DWORD oldExStyle)
{
    CWnd::ApplyStyle(oldStyle, oldExStyle);
    // The default push button is the one Enter presses in a dialog.
    if (auto* push = qobject_cast<QPushButton*>(GetWidget()))
        push->setDefault(GetButtonStyle() == BS_DEFPUSHBUTTON);
}

bool CButton::IsRadio() const
{
    return IsRadioStyle(GetButtonStyle());
}

void CButton::Clicked()
{
    DWORD type = GetButtonStyle();
    // Buttons without "auto" leave their state to the program.
    if (type == BS_CHECKBOX || type == BS_3STATE || type == BS_RADIOBUTTON)
        SetCheck(m_check);
    else if (type == BS_AUTORADIOBUTTON) {
        SetCheck(BST_CHECKED);
        UncheckGroupExceptThis();
    }
    NotifyParent(BN_CLICKED);
}

void CButton::UncheckGroupExceptThis()
{
    QWidget* parent = GetWidget()->parentWidget();
    if (!parent)
        return;
    // Siblings in creation order; the group is the run around this button bounded by WS_GROUP.
    std::vector<CButton*> siblings;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        CWnd* wnd = w ? CWnd::FromWidget(w) : nullptr;
        if (wnd && wnd->GetWidget() == w)
            siblings.push_back(dynamic_cast<CButton*>(wnd));
    }
    auto self = std::find(siblings.begin(), siblings.end(), this);
    auto first = self;
    while (first != siblings.begin() && !(*first && ((*first)->GetStyle() & WS_GROUP)))
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && *it && ((*it)->GetStyle() & WS_GROUP))
            break;
        if (*it && *it != this && (*it)->IsRadio())
            (*it)->SetCheck(BST_UNCHECKED);
    }
}

void CButton::SetCheck(int state)
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !button->isCheckable())
        return;
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
        if (state == BST_INDETERMINATE && !check->isTristate())
            state = BST_CHECKED;
        check->setCheckState(state == BST_INDETERMINATE ? Qt::PartiallyChecked
                             : state ? Qt::Checked : Qt::Unchecked);
    } else {
        button->setChecked(state != BST_UNCHECKED);
    }
}

int CButton::GetCheck() const
{
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !button->isCheckable())
        return BST_UNCHECKED;
    if (auto* check = qobject_cast<QCheckBox*>(button))
        return check->checkState() == Qt::PartiallyChecked ? BST_INDETERMINATE
               : check->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_GETCHECK: return GetCheck();
    case BM_SETCHECK: SetCheck(int(wParam)); return 0;
    case BM_CLICK:
        if (auto* button = qobject_cast<QAbstractButton*>(GetWidget()))
            button->click();
        return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CButton::SetWidgetText(const QString& text)
{
    if (auto* box = qobject_cast<QGroupBox*>(GetWidget()))
        box->setTitle(text);
    else
        static_cast<QAbstractButton*>(GetWidget())->setText(text);
}

QString CButton::WidgetText() const
{
    if (auto* box = qobject_cast<QGroupBox*>(GetWidget()))
        return box->title();
    return static_cast<QAbstractButton*>(GetWidget())->text();
}
