#pragma once

// An option page whose content is a grid with four buttons beside it that insert, delete and
// move its rows. Each button acts on the grid, gives it the focus and marks the page changed.
#include "platform/ui/dialogs/PropertySheet.h"

#include <optional>
#include <string>

class COptionsCommonGrid;

class COptionsGridPage : public CPropertyPage {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDC_GRID = 1011;
    static constexpr UINT IDC_INSERT_ROW = 301;
    static constexpr UINT IDC_DELETE_ROW = 302;
    static constexpr UINT IDC_ROW_DOWN = 1047;
    static constexpr UINT IDC_ROW_UP = 1048;

    virtual COptionsCommonGrid& GetGrid() = 0;
    // The grid is repainted each time the page comes up.
    bool OnSetActive() override;
    // The open edit ends; rows that could not be stored as they are keep the user on the page.
    bool OnKillActive() override;

protected:
    COptionsGridPage(UINT templateId, std::string caption);

    // The grid takes the template's place for it; false when it could not.
    bool AttachGrid();
    // After a button changed the rows.
    virtual void OnGridButton();
    // Why the rows cannot be stored as they are; nothing when they can.
    virtual std::optional<std::string> ProblemWithRows() = 0;

private:
    void OnInsertRow();
    void OnDeleteRow();
    void OnRowUp();
    void OnRowDown();
    void AfterButton();
};
