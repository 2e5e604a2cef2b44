// The export and import layouts: fields chosen from the drop list or typed take their default
// size, the format and labels come from their controls, a page takes over the other's layout,
// and OK stores at most 30 fields into the program's record and the settings.
#include "tests/app/options/OptionsTestSupport.h"

#include "controls/grid/GridLstBox.h"
#include "model/records/ItemColumns.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using namespace optionstest;

class FormatPages : public OptionsTest {
protected:
    COptionsIOGrid& ExportGrid() { return static_cast<COptionsIOGrid&>(sheet.m_exportPage.GetGrid()); }
    COptionsIOGrid& ImportGrid() { return static_cast<COptionsIOGrid&>(sheet.m_importPage.GetGrid()); }
    CWnd* ExportItem(UINT id) { return sheet.m_exportPage.GetDlgItem(id); }
    CWnd* ImportItem(UINT id) { return sheet.m_importPage.GetDlgItem(id); }

    // The drop list of the name cell opened with its button, and the line chosen by a click.
    void ChooseName(CGridCtrl& grid, int row, const char* name)
    {
        QTest::mouseClick(grid.GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, CellPoint(grid, 0, row));
        QTest::mouseClick(grid.GetCellArea()->GetWidget(), Qt::LeftButton, Qt::NoModifier, CellPoint(grid, 0, row, true));
        auto* type = static_cast<CGridDropListType*>(grid.GetCellType(GRID_CELLTYPE_DROPLIST));
        ASSERT_TRUE(type->IsListOpen());
        CGridLstBox* list = type->GetList();
        EXPECT_EQ(list->GetCount(), 19);
        EXPECT_EQ(list->GetText(0), "");
        auto* widget = dialogtest::ListWidget(list);
        const int line = list->FindStringExact(-1, name);
        ASSERT_GE(line, 0);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, widget->visualItemRect(widget->item(line)).center());
    }
    static std::vector<int> Fields(const CIOFormatSide& side)
    {
        return std::vector<int>(side.m_iFields.begin(), side.m_iFields.begin() + std::ptrdiff_t(side.FieldCount()));
    }
};

} // namespace

TEST_F(FormatPages, AChosenFieldTakesItsDefaultSizeAndExportStoresBothSides)
{
    RunOn(3, [&] {
        ASSERT_TRUE(m_active);
        EXPECT_EQ(ExportGrid().GetRowCount(), COptionsIOGrid::kMinimumRows);
        EXPECT_EQ(ExportGrid().RowTexts(6), (std::vector<std::string>{"ShortDesc", "40"}));
        EXPECT_EQ(dynamic_cast<CComboBox*>(ExportItem(COptionsIOPage::IDC_FORMAT))->GetCurSel(), kCsvFormatIndex);
        ChooseName(ExportGrid(), 7, "LongDesc");
        EXPECT_EQ(ExportGrid().RowTexts(7), (std::vector<std::string>{"LongDesc", "80"}));
        ChooseName(ExportGrid(), 1, "CallOrder"); // replaces AltCode
        EXPECT_EQ(CellText(ExportGrid(), 1, 1), "8");
        EXPECT_TRUE(ApplyEnabled(sheet));
        Click(ExportItem(COptionsIOPage::IDC_EXPORT_LABELS));
        Press(sheet, QDialogButtonBox::Ok);
    });
    const CIOFormatSide& exported = GetIOFormatSettings()->m_export;
    EXPECT_EQ(Fields(exported), (std::vector<int>{1, 17, 3, 4, 5, 6, 8, 9}));
    EXPECT_EQ(exported.m_iSizes[7], 80);
    EXPECT_EQ(exported.m_bLabels, 0);
    EXPECT_EQ(Stored(kExportFormatGroup, "Fields"), "1,17,3,4,5,6,8,9");
    EXPECT_EQ(Stored(kExportFormatGroup, "FieldSizes"), "6,8,15,16,6,16,40,80");
    EXPECT_EQ(Stored(kExportFormatGroup, "Labels"), "0");
    EXPECT_EQ(Stored(kImportFormatGroup, "Fields"), "1,2,3,4,5,6,8");
}

TEST_F(FormatPages, ATypedNameTakesItsSizeAndARowWithoutASizeIsDropped)
{
    GetIOFormatSettings()->m_export.m_iFormat = 3;
    RunOn(4, [&] {
        ClickCell(ImportGrid(), 0, 7);
        TypeIntoCell(ImportGrid(), "quantity", Qt::Key_Escape);
        EXPECT_EQ(CellText(ImportGrid(), 1, 7), ""); // cancelled: nothing changes
        TypeIntoCell(ImportGrid(), "quantity");
        EXPECT_EQ(CellText(ImportGrid(), 1, 7), "16");
        ClickCell(ImportGrid(), 1, 3);
        TypeIntoCell(ImportGrid(), " ");  // Quantity's size left blank: the row goes
        auto* formats = dynamic_cast<CComboBox*>(ImportItem(COptionsIOPage::IDC_FORMAT));
        formats->SetCurSel(2);
        formats->SendMessage(WM_COMMAND, MAKEWPARAM(COptionsIOPage::IDC_FORMAT, CBN_SELCHANGE));
        Press(sheet, QDialogButtonBox::Ok);
    });
    const CIOFormatSide& imported = GetIOFormatSettings()->m_import;
    EXPECT_EQ(Fields(imported), (std::vector<int>{1, 2, 3, 5, 6, 8, 4}));
    EXPECT_EQ(imported.m_iFormat, 2);
    EXPECT_EQ(Stored(kImportFormatGroup, "Format"), "2");
    EXPECT_EQ(Stored(kImportFormatGroup, "Labels"), std::nullopt);
    EXPECT_EQ(Stored(kExportFormatGroup, "Format"), "0"); // the export page was never made
}

TEST_F(FormatPages, MoreThanThirtyFieldsKeepTheFirstThirty)
{
    RunOn(3, [&] {
        for (int row = 0; row < 32; ++row) {
            if (row >= ExportGrid().GetRowCount())
                ExportGrid().SetRowCount(row + 1);
            ExportGrid().SetRowTexts(row, {std::string(GetItemColumnName(row % 18 + 1)), std::to_string(row + 1)});
        }
        Press(sheet, QDialogButtonBox::Ok);
    });
    const CIOFormatSide& exported = GetIOFormatSettings()->m_export;
    EXPECT_EQ(exported.FieldCount(), 30u);
    EXPECT_EQ(exported.m_iSizes[29], 30);
    EXPECT_EQ(exported.m_iFields[30], 0);
}

TEST_F(FormatPages, AnUnknownNameOrABadSizeKeepsTheBidderOnThePage)
{
    RunOn(3, [&] {
        ExportGrid().SetRowTexts(8, {"Price", "12"});
        m_script.AnswerMessageBox(IDOK);
        m_script.AnswerMessageBox(IDOK);
        Press(sheet, QDialogButtonBox::Ok);
        ExportGrid().SetRowTexts(8, {"UnitPrice", "12x"});
        Press(sheet, QDialogButtonBox::Ok);
        EXPECT_FALSE(sheet.HasEnded());
        ASSERT_EQ(m_script.MessageBoxes().size(), 2u);
        EXPECT_EQ(m_script.MessageBoxes()[0].text, "Row 9: \"Price\" is not a field name. Choose one from the list.");
        EXPECT_EQ(m_script.MessageBoxes()[1].text,
                  "Row 9: the size of UnitPrice must be a number from 1 to 4096, not \"12x\".");
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(*GetIOFormatSettings(), DefaultIOFormatSettings());
}

TEST_F(FormatPages, GetFormatTakesTheOtherPagesLayoutWhetherMadeOrStored)
{
    GetIOFormatSettings()->m_export.m_iFormat = 5;
    RunOn(4, [&] {
        CWnd* getExport = ImportItem(COptionsIOPage::IDC_GET_FORMAT);
        Click(getExport); // the export page is not made: its stored layout
        EXPECT_EQ(dynamic_cast<CComboBox*>(ImportItem(COptionsIOPage::IDC_FORMAT))->GetCurSel(), 5);
        EXPECT_FALSE(getExport->IsWindowEnabled());

        ClickTab(sheet, 3);
        ClickCell(ExportGrid(), 0, 0);
        Click(ExportItem(COptionsGridPage::IDC_DELETE_ROW));
        EXPECT_TRUE(ExportItem(COptionsIOPage::IDC_GET_FORMAT)->IsWindowEnabled());
        EXPECT_TRUE(getExport->IsWindowEnabled());
        ClickTab(sheet, 4);
        Click(getExport);
        EXPECT_EQ(ImportGrid().RowTexts(0), (std::vector<std::string>{"AltCode", "6"}));
        EXPECT_FALSE(ExportItem(COptionsIOPage::IDC_GET_FORMAT)->IsWindowEnabled());
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(*GetIOFormatSettings(), [] {
        CIOFormatSettings stored = DefaultIOFormatSettings();
        stored.m_export.m_iFormat = 5;
        return stored;
    }()); // cancelled: the program's layouts are as they were
}

TEST_F(FormatPages, RestoreDefaultsBringsBackTheDefaultLayoutFormatAndLabels)
{
    GetIOFormatSettings()->m_export = {};
    GetIOFormatSettings()->m_export.m_iFormat = 4;
    GetIOFormatSettings()->m_export.m_bLabels = 0;
    RunOn(3, [&] {
        EXPECT_EQ(ExportGrid().RowTexts(0), (std::vector<std::string>{"", ""}));
        Click(ExportItem(COptionsIOPage::IDC_RESTORE_DEFAULTS));
        EXPECT_EQ(dynamic_cast<CButton*>(ExportItem(COptionsIOPage::IDC_EXPORT_LABELS))->GetCheck(), BST_CHECKED);
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(GetIOFormatSettings()->m_export, DefaultIOFormatSettings().m_export);
    EXPECT_EQ(Stored(kExportFormatGroup, "Format"), "0");
}
