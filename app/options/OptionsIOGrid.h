#pragma once

// The field grid of the export and import pages: a field name, chosen from a drop list or
// typed, and the field's size, one field a row. A changed name takes the field's default size
// and tells the page (WM_OPTIONS_FIELDS_CHANGED).
#include "app/options/OptionsCommonGrid.h"
#include "model/settings/IOFormatSettings.h"

#include "platform/ui/window/WinTypes.h"

inline constexpr UINT WM_OPTIONS_FIELDS_CHANGED = WM_USER + 5;

// A row with both a name and a size, as typed.
struct COptionsFieldRow {
    int row;
    std::string name;
    std::string size;
};

class COptionsIOGrid : public COptionsCommonGrid {
public:
    static constexpr int kMinimumRows = 25;

    // The side's fields, one a row, every name cell a drop list.
    void ShowFields(const CIOFormatSide& side);
    std::vector<COptionsFieldRow> GetFieldRows();
    void InsertRowAtCurrent() override;

    int OnCellTypeNotice(int id, int column, int row, int message, intptr_t parameter) override;
    int OnEditBegin(int column, int row, CWnd** editor) override;
    int OnEditEnd(int column, int row, CWnd* editor, const std::string& text, int cancelled) override;

private:
    void MakeDropList(int row);
    // The row's field is now `name`: its size becomes the field's default, and the page hears.
    void NameChosen(int row, const std::string& name);

    std::string m_strEditStart; // the cell's text when the edit began
};
