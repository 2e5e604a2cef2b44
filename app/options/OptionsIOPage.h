#pragma once

// The field layout and file format of price export (side 1) or import (side 0). The page edits
// a copy of its side; OK makes the copy the program's and writes it. Each page can take over
// the other's layout.
#include "app/options/OptionsGridPage.h"
#include "app/options/OptionsIOGrid.h"
#include "model/settings/IOFormatSettings.h"

class COptionsIOPage : public COptionsGridPage {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDC_FORMAT = 300;
    static constexpr UINT IDC_EXPORT_LABELS = 307;
    static constexpr UINT IDC_RESTORE_DEFAULTS = 1049;
    static constexpr UINT IDC_GET_FORMAT = 1050;

    COptionsCommonGrid& GetGrid() override { return m_grid; }
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void SetOtherPage(COptionsIOPage* other) { m_pOtherPage = other; }
    // The side as the page shows it: the first 30 rows with a name and a size, and the format.
    CIOFormatSide ShownSide();

    const int m_iSide; // 1 export, 0 import

protected:
    COptionsIOPage(UINT templateId, std::string caption, int side);
    void OnGridButton() override;
    std::optional<std::string> ProblemWithRows() override;

private:
    void ShowSide();
    // The get-format buttons of both pages, the other's when it has been made.
    void EnableGetFormat(bool enable);
    void FieldsChanged();
    void OnFormatChange();
    void OnLabelsClicked();
    void OnRestoreDefaults();
    void OnGetFormat();

    COptionsIOGrid m_grid;
    CIOFormatSide m_side;
    COptionsIOPage* m_pOtherPage = nullptr;
};

class COptionsExportPage : public COptionsIOPage {
public:
    static constexpr UINT IDD = 202;
    COptionsExportPage() : COptionsIOPage(IDD, "Export Format", 1) {}
};

class COptionsImportPage : public COptionsIOPage {
public:
    static constexpr UINT IDD = 203;
    COptionsImportPage() : COptionsIOPage(IDD, "Import Format", 0) {}
};
