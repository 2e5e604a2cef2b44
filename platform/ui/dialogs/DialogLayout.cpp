#include "platform/ui/dialogs/DialogLayout.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/Static.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

#include <set>

namespace platform {
namespace {

struct KindTraits {
    DWORD style;
    bool stretchesColumn; // takes the width the window gains
    bool stretchesRow;    // takes the height the window gains
};

KindTraits TraitsOf(DialogControlKind kind)
{
    constexpr DWORD tab = WS_TABSTOP;
    switch (kind) {
    case DialogControlKind::Label: return {SS_LEFT, false, false};
    case DialogControlKind::Edit: return {tab | WS_BORDER | ES_AUTOHSCROLL, true, false};
    case DialogControlKind::MultiLineEdit:
        return {tab | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, true, true};
    case DialogControlKind::PushButton: return {tab | BS_PUSHBUTTON, false, false};
    case DialogControlKind::DefaultButton: return {tab | BS_DEFPUSHBUTTON, false, false};
    case DialogControlKind::CheckBox: return {tab | BS_AUTOCHECKBOX, false, false};
    case DialogControlKind::RadioButton: return {tab | BS_AUTORADIOBUTTON, false, false};
    case DialogControlKind::GroupBox: return {BS_GROUPBOX, false, false};
    case DialogControlKind::DropList: return {tab | CBS_DROPDOWNLIST, true, false};
    case DialogControlKind::DropDown: return {tab | CBS_DROPDOWN | CBS_AUTOHSCROLL, true, false};
    case DialogControlKind::ListBox: return {tab | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, true, true};
    }
    return {0, false, false};
}

std::unique_ptr<CWnd> MakeControl(DialogControlKind kind)
{
    switch (kind) {
    case DialogControlKind::Label: return std::make_unique<CStatic>();
    case DialogControlKind::Edit:
    case DialogControlKind::MultiLineEdit: return std::make_unique<CEdit>();
    case DialogControlKind::DropList:
    case DialogControlKind::DropDown: return std::make_unique<CComboBox>();
    case DialogControlKind::ListBox: return std::make_unique<CListBox>();
    default: return std::make_unique<CButton>();
    }
}

bool TakesFocus(const QWidget* widget)
{
    return widget->focusPolicy() & Qt::TabFocus;
}

} // namespace

ControlList BuildDialogLayout(CWnd& owner, QWidget& host, const DialogLayout& layout)
{
    ControlList made;
    auto* grid = new QGridLayout;
    std::set<int> wideColumns, tallRows;
    int lastRow = 0;
    for (std::size_t i = 0; i < layout.count; ++i) {
        const DialogControlEntry& entry = layout.controls[i];
        const KindTraits traits = TraitsOf(entry.kind);
        std::unique_ptr<CWnd> control = MakeControl(entry.kind);
        const DWORD style = WS_CHILD | WS_VISIBLE | traits.style | entry.style;
        if (!control->Create(nullptr, entry.text, style, CRect(), &owner, entry.id)) {
            delete grid;
            return {};
        }
        const int row = std::max(0, entry.row), column = std::max(0, entry.column);
        const int rowSpan = std::max(1, entry.rowSpan), columnSpan = std::max(1, entry.columnSpan);
        grid->addWidget(control->GetWidget(), row, column, rowSpan, columnSpan);
        if (traits.stretchesColumn)
            wideColumns.insert(column + columnSpan - 1);
        if (traits.stretchesRow)
            tallRows.insert(row + rowSpan - 1);
        lastRow = std::max(lastRow, row + rowSpan);
        made.push_back(std::move(control));
    }
    for (int column : wideColumns)
        grid->setColumnStretch(column, 1);
    for (int row : tallRows)
        grid->setRowStretch(row, 1);
    if (tallRows.empty())
        grid->setRowStretch(lastRow, 1); // extra height goes below the controls
    delete host.layout();
    host.setLayout(grid);

    // Tab order follows the table; a label's mnemonic goes to the next control that takes focus.
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < made.size(); ++i) {
        QWidget* widget = made[i]->GetWidget();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            for (std::size_t j = i + 1; j < made.size(); ++j)
                if (TakesFocus(made[j]->GetWidget())) {
                    label->setBuddy(made[j]->GetWidget());
                    break;
                }
        }
        if (!TakesFocus(widget))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return made;
}

} // namespace platform
