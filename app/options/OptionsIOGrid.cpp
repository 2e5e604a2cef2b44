#include "app/options/OptionsIOGrid.h"

#include "model/records/ItemColumns.h"
#include "model/text/TextUtil.h"
#include "platform/ui/dialogs/PropertySheet.h"

#include <algorithm>

namespace {

enum : int { kNameColumn = 0, kSizeColumn = 1 };
// The drop list's button shows only on the current cell.
constexpr int kButtonWhenCurrent = 512;
constexpr int kFieldNameCount = 18;

std::string Trimmed(std::string text)
{
    TrimLeftChars(text, " \t");
    TrimRightChars(text, " \t");
    return text;
}

// The default size of a named field; empty for no field.
std::string DefaultSizeText(const std::string& name)
{
    const int id = GetItemColumnId(Trimmed(name));
    return id != 0 ? std::to_string(GetItemColumnDefaultSize(id)) : std::string();
}

} // namespace

void COptionsIOGrid::ShowFields(const CIOFormatSide& side)
{
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < side.FieldCount(); ++i)
        rows.push_back({std::string(GetItemColumnName(side.m_iFields[i])), std::to_string(side.m_iSizes[i])});
    FillRows(rows, kMinimumRows);
    for (int row = 0; row < GetRowCount(); ++row)
        MakeDropList(row);
}

std::vector<COptionsFieldRow> COptionsIOGrid::GetFieldRows()
{
    std::vector<COptionsFieldRow> rows;
    for (int row = 0; row < GetRowCount(); ++row) {
        std::vector<std::string> texts = RowTexts(row);
        if (!texts[kNameColumn].empty() && !texts[kSizeColumn].empty())
            rows.push_back({row, std::move(texts[kNameColumn]), std::move(texts[kSizeColumn])});
    }
    return rows;
}

void COptionsIOGrid::InsertRowAtCurrent()
{
    COptionsCommonGrid::InsertRowAtCurrent();
    MakeDropList(std::max(0, GetCurrentRow()));
}

void COptionsIOGrid::MakeDropList(int row)
{
    QuickSetCellType(kNameColumn, row, GRID_CELLTYPE_DROPLIST);
    QuickSetCellTypeEx(kNameColumn, row, kButtonWhenCurrent);
}

int COptionsIOGrid::OnCellTypeNotice(int, int, int row, int message, intptr_t parameter)
{
    if (message == GRID_NOTICE_LIST_CHOICES) {
        auto& choices = *reinterpret_cast<std::vector<std::string>*>(parameter);
        choices.assign(1, std::string());
        for (int id = 1; id <= kFieldNameCount; ++id)
            choices.emplace_back(GetItemColumnName(id));
    } else if (message == GRID_NOTICE_LIST_CHOSEN) {
        const std::string& chosen = *reinterpret_cast<const std::string*>(parameter);
        std::string former, size;
        QuickGetText(kNameColumn, row, &former);
        QuickGetText(kSizeColumn, row, &size);
        if (chosen != former || size != DefaultSizeText(chosen))
            NameChosen(row, chosen);
    }
    return 1;
}

int COptionsIOGrid::OnEditBegin(int column, int row, CWnd**)
{
    QuickGetText(column, row, &m_strEditStart);
    return 1;
}

int COptionsIOGrid::OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled)
{
    COptionsCommonGrid::OnEditEnd(column, row, editor, text, cancelled);
    if (cancelled || text == m_strEditStart)
        return 1;
    if (column == kNameColumn)
        NameChosen(row, text);
    else if (CWnd* page = GetParent())
        page->SendMessage(WM_OPTIONS_FIELDS_CHANGED);
    return 1;
}

void COptionsIOGrid::NameChosen(int row, const std::string& name)
{
    QuickSetText(kSizeColumn, row, DefaultSizeText(name).c_str());
    RedrawCell(kSizeColumn, row);
    if (CPropertyPage* page = OwnerPage()) {
        page->SetModified();
        page->SendMessage(WM_OPTIONS_FIELDS_CHANGED);
    }
}
