// The bidder IDs per agency and the unit table: what is stored comes up in the grid, what the
// bidder types, inserts, deletes and moves goes back on OK, and what could not be stored keeps
// the bidder on the page with the reason.
#include "tests/app/options/OptionsTestSupport.h"

#include "model/settings/BidderIds.h"

namespace {

using namespace optionstest;

class AgencyIds : public OptionsTest {
protected:
    COptionsAgencyIDPage& Page() { return sheet.m_agencyIDPage; }
    COptionsCommonGrid& Grid() { return sheet.m_agencyIDPage.GetGrid(); }

    void StorePairs(const CBidderIdList& pairs)
    {
        CProfileStore store;
        SaveBidderIDList(store, pairs);
    }
    CBidderIdList StoredPairs()
    {
        CProfileStore store;
        return ReadBidderIDValues(store);
    }
};

class UnitTable : public OptionsTest {
protected:
    COptionsCommonGrid& Grid() { return sheet.m_unitsPage.GetGrid(); }
    CWnd* Button(UINT id) { return sheet.m_unitsPage.GetDlgItem(id); }
};

} // namespace

TEST_F(AgencyIds, TypedIdsAreStoredInCapitalsAndRowsWithoutAnIdAreDropped)
{
    StorePairs({{"TXDOT", "V0042917"}});
    RunOn(1, [&] {
        ASSERT_TRUE(m_active);
        EXPECT_EQ(Grid().GetRowCount(), COptionsAgencyIDPage::kMinimumRows);
        EXPECT_EQ(CellText(Grid(), 0, 0), "TXDOT");
        EXPECT_EQ(CellText(Grid(), 1, 0), "V0042917");
        ClickCell(Grid(), 0, 1);
        TypeIntoCell(Grid(), "ODOT", Qt::Key_Tab);
        TypeIntoCell(Grid(), "v-77a");
        ClickCell(Grid(), 0, 3);
        TypeIntoCell(Grid(), "NMDOT", Qt::Key_Tab); // no ID: not kept
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(StoredPairs(), (CBidderIdList{{"TXDOT", "V0042917"}, {"ODOT", "V-77A"}}));
}

TEST_F(AgencyIds, EveryStoredPairIsShownAndKeptEvenPastTheUsualRows)
{
    CBidderIdList many;
    for (int i = 0; i < 30; ++i)
        many.emplace_back("AG" + std::to_string(i), "ID" + std::to_string(i));
    StorePairs(many);
    RunOn(1, [&] {
        EXPECT_EQ(Grid().GetRowCount(), 30);
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(StoredPairs(), many);
}

TEST_F(AgencyIds, AnAgencyListedTwiceKeepsTheBidderOnThePage)
{
    StorePairs({{"TXDOT", "V1"}});
    RunOn(1, [&] {
        ClickCell(Grid(), 0, 1);
        TypeIntoCell(Grid(), "txdot", Qt::Key_Tab);
        TypeIntoCell(Grid(), "V2");
        m_script.AnswerMessageBox(IDOK);
        Press(sheet, QDialogButtonBox::Ok);
        EXPECT_FALSE(sheet.HasEnded());
        ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
        EXPECT_EQ(m_script.MessageBoxes()[0].text,
                  "The agency \"txdot\" is listed twice. Give each agency one bidder ID.");
        ClickCell(Grid(), 0, 1);
        TypeIntoCell(Grid(), "ODOT");
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(StoredPairs(), (CBidderIdList{{"TXDOT", "V1"}, {"ODOT", "V2"}}));
}

TEST_F(AgencyIds, TheOpenAgencyTakesTheSpellingOfItsRow)
{
    GetBidderInfo()->Set(BIDDER_AGENCY_CODE, "txdot");
    StorePairs({{"TxDOT", "V1"}});
    RunOn(1, [&] { Press(sheet, QDialogButtonBox::Ok); });
    EXPECT_EQ(GetBidderInfo()->Get(BIDDER_AGENCY_CODE), "TxDOT");
}

TEST_F(UnitTable, ShowsTheTableInSearchOrderAndStoresOnlyRowsWithAConversion)
{
    RunOn(2, [&] {
        EXPECT_EQ(Grid().GetRowCount(), kMaxUnitRows);
        EXPECT_EQ(Grid().RowTexts(0), (std::vector<std::string>{"IN", "mm", "25.4", "inch - millimeter"}));
        EXPECT_EQ(CellText(Grid(), 0, 45), "CWT");
        ClickCell(Grid(), 0, 0);
        for (int row = 0; row < 46; ++row)
            QTest::keyClick(Grid().GetCellArea()->GetWidget(), Qt::Key_Down);
        TypeIntoCell(Grid(), "HR", Qt::Key_Tab);
        TypeIntoCell(Grid(), "h", Qt::Key_Tab);
        TypeIntoCell(Grid(), "1", Qt::Key_Tab);
        TypeIntoCell(Grid(), "hour - hour");
        TypeIntoCell(Grid(), "DAY", Qt::Key_Tab);
        TypeIntoCell(Grid(), "d"); // no conversion: dropped
        Press(sheet, QDialogButtonBox::Ok);
    });
    ASSERT_EQ(GetUnitList().size(), 47u);
    EXPECT_EQ(GetUnitList()[46].m_strUnit, "HR");
    EXPECT_EQ(GetUnitList()[46].m_dFactor, 1.0);
    EXPECT_EQ(Stored(kUnitsGroup, "Unit46"), "HR,h,1,hour - hour");
    EXPECT_EQ(Stored(kUnitsGroup, "Unit47"), std::nullopt);
}

TEST_F(UnitTable, TheButtonsInsertDeleteAndMoveTheCurrentRowAndGiveTheGridTheFocus)
{
    RunOn(2, [&] {
        ClickCell(Grid(), 2, 1);
        Click(Button(COptionsGridPage::IDC_ROW_UP));
        EXPECT_EQ(Grid().RowTexts(0)[0], "IN");
        EXPECT_EQ(Grid().RowTexts(0)[1], "cm");
        EXPECT_EQ(Grid().GetCurrentRow(), 0);
        EXPECT_EQ(CWnd::GetFocus(), Grid().GetCellArea());
        Click(Button(COptionsGridPage::IDC_ROW_UP)); // at the top: nothing moves
        EXPECT_EQ(Grid().RowTexts(0)[1], "cm");
        Click(Button(COptionsGridPage::IDC_ROW_DOWN));
        EXPECT_EQ(Grid().RowTexts(1)[1], "cm");
        EXPECT_EQ(Grid().GetCurrentRow(), 1);
        Click(Button(COptionsGridPage::IDC_INSERT_ROW));
        EXPECT_EQ(Grid().GetCurrentRow(), 1);
        EXPECT_EQ(Grid().GetCurrentColumn(), 0);
        EXPECT_EQ(Grid().RowTexts(1)[0], "");
        EXPECT_EQ(Grid().RowTexts(2)[1], "cm");
        Click(Button(COptionsGridPage::IDC_DELETE_ROW));
        Click(Button(COptionsGridPage::IDC_DELETE_ROW));
        EXPECT_EQ(Grid().RowTexts(1)[0], "LF");
        EXPECT_TRUE(ApplyEnabled(sheet));
        Press(sheet, QDialogButtonBox::Ok);
    });
    ASSERT_EQ(GetUnitList().size(), 45u);
    EXPECT_EQ(GetUnitList()[0].m_strAlternateUnit, "mm");
    EXPECT_EQ(GetUnitList()[1].m_strUnit, "LF");
}

TEST_F(UnitTable, DeletingEveryRowBringsTheDefaultsBack)
{
    RunOn(2, [&] {
        ClickCell(Grid(), 0, 0);
        while (Grid().GetRowCount() > 0)
            Click(Button(COptionsGridPage::IDC_DELETE_ROW));
        Press(sheet, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(GetUnitList().size(), 46u);
    EXPECT_EQ(Stored(kUnitsGroup, "Unit45"), "CWT,kg,45.3592,100 lbs - kilogram");
}

TEST_F(UnitTable, MoreRowsThanCanBeStoredKeepTheBidderOnThePage)
{
    RunOn(2, [&] {
        for (int row = 0; row < kMaxUnitRows; ++row)
            Grid().SetRowTexts(row, {"U" + std::to_string(row), "A", "1", ""});
        ClickCell(Grid(), 0, 0);
        Click(Button(COptionsGridPage::IDC_INSERT_ROW));
        Grid().SetRowTexts(0, {"X", "Y", "2", ""});
        m_script.AnswerMessageBox(IDOK);
        ClickTab(sheet, 1);
        EXPECT_EQ(sheet.GetActiveIndex(), 2);
        ASSERT_EQ(m_script.MessageBoxes().size(), 1u);
        EXPECT_EQ(m_script.MessageBoxes()[0].text,
                  "At most 100 unit rows can be kept; the table has 101. Delete the rows that are not needed.");
        Press(sheet, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(GetUnitList().size(), 46u);
}
