// A bidder's day with the program, from its first run to the bid saved, checked and printed: every
// step through the main window's menus, keys, tree, grids and forms, as the bidder works.
#include "app/dialogs/AmendmentChangesDialog.h"
#include "app/dialogs/BidErrors.h"
#include "app/firms/DBEItemGrid.h"
#include "app/firms/DBEItemSplitter.h"
#include "app/forms/DVBond.h"
#include "app/forms/DVFirmList.h"
#include "app/forms/DVMisc.h"
#include "app/forms/FieldKinds.h"
#include "app/forms/FirmSummary.h"
#include "app/items/DVItemScheduleGrid.h"
#include "app/views/DVDBEItem.h"
#include "app/views/DVProposal.h"
#include "bench/generator/RoadCatalogue.h"
#include "controls/grid/GridArea.h"
#include "model/check/Recalc.h"
#include "model/records/BidderInfo.h"
#include "model/records/FieldInfo.h"
#include "model/records/WinMeta.h"
#include "model/text/FlagWord.h"
#include "model/text/NumberFormat.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/app/grids/FocusKeyboard.h"
#include "tests/app/options/OptionsTestSupport.h"
#include "tests/support/PdfPages.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace {

constexpr const char* kCompany = "Ridgeline Paving & Grading";
constexpr const char* kBidderId = "R0042917";

} // namespace

class BidderDay : public CommandTest, public FocusKeyboard {
protected:
    BidderDay()
    {
        Store("Bidder", "Name", "Unknown"); // a new installation
        Store("Misc", "FloppySave", "0");
        Store("WindowMetrics", "XPos", "0");
        Store("WindowMetrics", "YPos", "0");
        Store("WindowMetrics", "XSize", "1280");
        Store("WindowMetrics", "YSize", "800");
        Store("WindowMetrics", "GridMode", "1");
    }

    // The welcome is read; the options sheet gets the company and the agency's bidder ID.
    void FirstRun()
    {
        m_script.AnswerDialogWith(IDOK);
        m_script.AnswerDialog([](platform::ModalDialog& modal) {
            auto& sheet = dynamic_cast<COptionsSheet&>(modal);
            dialogtest::Shown(sheet);
            CWnd* name = sheet.m_bidderInfoPage.GetDlgItem(300);
            name->SetWindowText("");
            QTest::keyClicks(name->GetWidget(), kCompany);
            optionstest::ClickTab(sheet, 1);
            COptionsCommonGrid& ids = sheet.m_agencyIDPage.GetGrid();
            optionstest::ClickCell(ids, 0, 0);
            optionstest::TypeIntoCell(ids, "DOT", Qt::Key_Tab);
            optionstest::TypeIntoCell(ids, kBidderId);
            optionstest::Press(sheet, QDialogButtonBox::Ok);
        });
        StartEmpty();
        Frame().GetWidget()->activateWindow();
        m_active = QTest::qWaitForWindowActive(Frame().GetWidget());
    }

    // File, Open on the sample with its first amendment beside it: it is applied and its report
    // read. File, Load Amendment then applies the second from the agency's folder.
    void OpenTheSample()
    {
        const std::string folder = m_folder / "bid";
        std::filesystem::create_directories(folder);
        for (const char* name : {"sample.tvb", "sample.001", "PLANTS.TXT", "TITLES.BIN"})
            std::filesystem::copy_file(InLetting(name), folder + "/" + name);
        m_script.AnswerFile(folder + "/sample.tvb");
        ReadAmendmentReport();
        ChooseByKeys(Qt::Key_F, {Qt::Key_O});
        ASSERT_NE(Prop(), nullptr) << Unanswered();
        EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
        m_script.AnswerFile(InLetting("sample.002"));
        ReadAmendmentReport();
        ChooseByKeys(Qt::Key_F, {Qt::Key_L, Qt::Key_L, Qt::Key_Return}); // Open Letting shares the L
    }
    void ReadAmendmentReport()
    {
        m_script.AnswerDialog([this](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            const std::vector<std::string> lines = dialogtest::Lines(dialog.GetDlgItem(CAmendmentChangesDialog::IDC_LIST));
            m_amendmentReport.insert(m_amendmentReport.end(), lines.begin(), lines.end());
            Click(dialog, IDOK);
        });
    }

    // F4: the errors Check Zod lists.
    std::vector<std::string> CheckZod()
    {
        std::vector<std::string> errors;
        m_script.AnswerDialog([&errors](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            errors = dialogtest::Lines(dialog.GetDlgItem(CBidErrors::IDC_LIST));
            Click(dialog, IDOK);
        });
        Activate();
        QTest::keyClick(Frame().GetWidget(), Qt::Key_F4);
        Settle();
        return errors;
    }

    // Tools, Check Zod from the menu, when there is nothing left to find.
    bool CheckZodFindsNothing()
    {
        AnswerOk();
        ChooseByKeys(Qt::Key_T, {Qt::Key_C});
        return LastMessage() && LastMessage()->caption == "Zod Check" && LastMessage()->text == "Zod Is Complete";
    }

    // File, Print, printed to a PDF file: its pages.
    int PrintTheBid(const std::string& pdf)
    {
        m_script.AnswerPrint(pdf);
        ChooseByKeys(Qt::Key_F, {Qt::Key_P});
        return PdfPageCount(pdf);
    }

    // The schedule in the grid, the cursor on the item's unit price.
    CDV_ItemScheduleGrid& ScheduleGrid()
    {
        EXPECT_TRUE(Tree().SelectNode({NODE_SCHEDULE, 0}));
        Settle();
        auto* view = dynamic_cast<CDV_ItemScheduleGrid*>(Frame().GetSplitter().GetRightView());
        EXPECT_NE(view, nullptr);
        return *view;
    }

    // The bidder's price of a pay item: one per item number, so that an item listed twice gets
    // the same price on both lines.
    static std::string OurPrice(const CItem& item)
    {
        unsigned sum = 0;
        for (unsigned char c : item.m_strItemNum)
            sum = sum * 31 + c;
        return std::to_string(2 + sum % 40) + "." + std::to_string(10 + sum % 89);
    }

    // Every item that takes a price gets one, typed into its unit price cell and entered.
    void PriceEveryItem()
    {
        CDV_ItemScheduleGrid& view = ScheduleGrid();
        for (int index = 0; index < Prop()->m_items.GetSize(); ++index) {
            const CItem& item = *Prop()->m_items[index];
            if (item.IsSection() || TestFlagBit(item.m_wFlags, ITEM_FIXED_PRICE))
                continue;
            view.ShowItem(index);
            const std::string price = OurPrice(item);
            Enter(price);
            double typed = 0;
            std::from_chars(price.data(), price.data() + price.size(), typed);
            EXPECT_DOUBLE_EQ(item.m_fUnitPrice, typed) << item.m_strLineNum;
        }
    }

    // In each option group the bidder keeps the first choice and clears the prices of the others.
    void KeepOneChoicePerOption()
    {
        CDV_ItemScheduleGrid& view = ScheduleGrid();
        std::map<std::string, std::string> kept; // group of the section -> its choice
        for (int index = 0; index < Prop()->m_items.GetSize(); ++index) {
            const CItem& item = *Prop()->m_items[index];
            if (item.IsSection())
                kept.clear();
            if (item.IsSection() || !TestFlagBit(item.m_wFlags, ITEM_IS_OPTION))
                continue;
            const std::string group = item.m_strAltCode.substr(0, 2);
            if (kept.emplace(group, item.m_strAltCode).first->second == item.m_strAltCode)
                continue;
            view.ShowItem(index);
            Enter(" ");
            m_cleared.insert(&item);
        }
    }

    CView* RightView() const { return Frame().GetSplitter().GetRightView(); }
    bool Select(NodeRef node) const
    {
        const bool selected = Tree().SelectNode(node);
        Settle();
        return selected;
    }
    std::string TextOf(UINT id) const
    {
        CWnd* control = RightView() ? RightView()->GetDlgItem(id) : nullptr;
        return control ? control->GetWindowText() : "<none>";
    }

    // Clicked, its text replaced by what is typed, and left with Tab: the form stores it then.
    static void TypeInto(CWnd* control, const std::string& text)
    {
        QTest::mouseClick(control->GetWidget(), Qt::LeftButton);
        QTest::keyClick(control->GetWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control->GetWidget(), QString::fromStdString(text));
        QTest::keyClick(control->GetWidget(), Qt::Key_Tab);
        Settle();
    }

    // The firm the second amendment certified is added to the DBE list (it heads the list), its
    // form filled from the pick lists; then the largest items are committed to it in its item
    // grid until its form says the goal is met.
    void CommitItemsToFirm(const std::string& firmId)
    {
        ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
        EXPECT_EQ(TextOf(IDC_FIRM_GOAL_STATUS), "<GOAL NOT MET>");
        QTest::mouseClick(RightView()->GetDlgItem(CDV_DBEList::IDC_ADD)->GetWidget(), Qt::LeftButton);
        Settle();
        PickEntry(RightView()->GetDlgItem(CDV_Template::kFirstFieldId), firmId);
        for (UINT field = CDV_Template::kFirstFieldId + 1; field < CDV_Template::kFirstFieldId + 5; ++field)
            if (field != CDV_Template::kFirstFieldId + 2) // the amount is the sum of the items
                PickEntry(RightView()->GetDlgItem(field), "");
        const int firm = 0;
        ASSERT_EQ(Prop()->m_pDbeForm->GetCell(firm, 0)->m_strText.substr(0, firmId.size()), firmId);
        for (int item : ItemsByExtension()) {
            ASSERT_TRUE(Select({NODE_DBE_ITEM_GRID, firm}));
            ASSERT_TRUE(MoveFirmGridTo(item));
            QTest::mouseClick(FirmItemForm()->GetDlgItem(CDV_DBEItem::IDC_ASSIGN)->GetWidget(), Qt::LeftButton);
            Settle();
            ASSERT_TRUE(Select({NODE_DBE_FIRM, firm}));
            if (TextOf(IDC_FIRM_GOAL_STATUS) == "<GOAL MET>")
                break;
        }
        EXPECT_EQ(TextOf(IDC_FIRM_GOAL_STATUS), "<GOAL MET>");
    }
    // Down the drop list until the entry that begins so is shown (the first entry for ""); the
    // list the click opened is closed again, as the bidder closes it before going on.
    static void PickEntry(CWnd* control, const std::string& begins)
    {
        QTest::mouseClick(control->GetWidget(), Qt::LeftButton);
        for (int step = 0; step < 100 && !(step > 0 && control->GetWindowText().starts_with(begins)); ++step) {
            QTest::keyClick(control->GetWidget(), Qt::Key_Down);
            Settle();
        }
        if (QWidget* list = QApplication::activePopupWidget())
            QTest::keyClick(list, Qt::Key_Escape);
        Settle();
    }
    CDBEItemSplitter* FirmItemSplitter() const { return Frame().GetSplitter().GetFirmItemSplitter(); }
    CDV_DBEItem* FirmItemForm() const { return dynamic_cast<CDV_DBEItem*>(FirmItemSplitter()->GetPane(1, 0)); }
    // Down the firm's item grid until the form below shows the item.
    bool MoveFirmGridTo(int item) const
    {
        CDBEItemGrid* grid = FirmItemSplitter()->GetFirmItemGrid();
        for (int step = 0; step < Prop()->m_items.GetSize() && FirmItemForm()->GetItemIndex() != item; ++step) {
            QTest::keyClick(grid->GetCellArea()->GetWidget(), Qt::Key_Down);
            Settle();
        }
        return FirmItemForm()->GetItemIndex() == item;
    }
    std::vector<int> ItemsByExtension() const
    {
        std::vector<int> items;
        for (int index = 0; index < Prop()->m_items.GetSize(); ++index)
            if (!Prop()->m_items[index]->IsSection())
                items.push_back(index);
        std::ranges::sort(items, std::greater{}, [this](int index) { return Prop()->m_items[index]->m_fExtension; });
        return items;
    }

    // The surety's bond: surety, bond number, percent, attorney in fact and date executed typed.
    void FillTheBond()
    {
        ASSERT_TRUE(Select({NODE_BOND, 0}));
        EXPECT_EQ(TextOf(CDV_Bond::IDC_STATUS), "< BOND RECORD IS INCOMPLETE >");
        const UINT first = CDV_Template::kFirstFieldId;
        const std::pair<UINT, const char*> fields[] = {{first, "Western Surety Co"}, {first + 1, "B-20417"},
                                                       {first + 2, "10"}, {first + 4, "Dana Whitfield"},
                                                       {first + 5, "04/20/26"}};
        for (const auto& [id, text] : fields)
            TypeInto(RightView()->GetDlgItem(id), text);
        EXPECT_EQ(TextOf(CDV_Bond::IDC_STATUS), "");
    }

    // Each miscellaneous form: every required field the bidder has not filled gets an answer.
    void FillTheMiscForms()
    {
        for (int form = 0; form < Prop()->m_miscForms.GetSize(); ++form) {
            ASSERT_TRUE(Select({NODE_MISC, form}));
            auto* view = dynamic_cast<CDV_Misc*>(RightView());
            ASSERT_NE(view, nullptr);
            const CWinMeta& meta = *Prop()->m_miscForms.GetAt(form);
            for (int field = 0; field < view->GetFieldCount(); ++field) {
                const CCellData* cell = meta.GetCell(0, field);
                if (meta.IsCellRequired(0, field) && (!cell || cell->m_strText.empty()))
                    Answer(view->GetFieldControl(field), meta.m_fields.GetAt(field)->m_iKind);
            }
        }
    }
    // What the bidder gave in the field of the miscellaneous form with that title.
    std::string MiscAnswer(const std::string& title, const std::string& field) const
    {
        for (const auto& form : Prop()->m_miscForms)
            for (int column = 0; form && form->m_strFurtherTexts[0] == title && column < form->m_fields.GetSize();
                 ++column)
                if (form->m_fields.GetAt(column)->m_strName == field)
                    return form->GetCell(0, column) ? form->GetCell(0, column)->m_strText : "";
        return "<no such field>";
    }
    static void Answer(CWnd* control, int kind)
    {
        switch (kind) {
        case FIELD_NUMBER:
        case FIELD_MONEY:
            return TypeInto(control, "12");
        case FIELD_DATE:
            return TypeInto(control, "04/20/26");
        case FIELD_LIST:
            return PickEntry(control, "");
        case FIELD_YES_NO:
        case FIELD_CHECK_BOX:
        case FIELD_RADIO:
            // on the box, not on its caption
            QTest::mouseClick(control->GetWidget(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(6, control->GetWidget()->height() / 2));
            return Settle();
        default:
            return TypeInto(control, "Ridgeline Paving");
        }
    }

    // Tools, Export (E) or Import (I) Proposal with a comma-delimited file; the program reports how
    // it went.
    void TransferPrices(Qt::Key entry, const std::string& path, const char* report)
    {
        m_script.AnswerFile(path);
        AnswerOk();
        ChooseByKeys(Qt::Key_T, {entry});
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->caption, report) << LastMessage()->text;
    }
    void SaveAs(const std::string& path)
    {
        m_script.AnswerFile(path);
        ChooseByKeys(Qt::Key_F, {Qt::Key_A});
        EXPECT_FALSE(Doc().IsModified());
    }
    // What the program asks once the file is chosen.
    enum class Then { Nothing, ReadAmendmentReport, DiscardChanges };

    // A proposal opened with File, Open.
    void Open(const std::string& path, Then then = Then::Nothing)
    {
        m_script.AnswerFile(path);
        if (then == Then::ReadAmendmentReport)
            AnswerAmendmentReport();
        if (then == Then::DiscardChanges)
            m_script.AnswerMessageBox(IDNO);
        ChooseByKeys(Qt::Key_F, {Qt::Key_O});
        ASSERT_NE(Prop(), nullptr);
        ASSERT_EQ(Doc().GetPathName(), path);
    }
    // The agency's files again, in a folder of their own, opened with their amendments.
    void OpenFreshCopy()
    {
        const std::string folder = m_folder / "fresh";
        std::filesystem::create_directories(folder);
        for (const char* name : {"sample.tvb", "sample.001", "sample.002"})
            std::filesystem::copy_file(InLetting(name), folder + "/" + name);
        Open(folder + "/sample.tvb", Then::ReadAmendmentReport);
    }
    // A heading, then a row per item in schedule order with the price the bidder gave it.
    void ExpectExportedPrices(const std::vector<std::string>& rows) const
    {
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0], "LineNumber,AltCode,ItemNumber,Quantity,Unit,UnitPrice,ShortDesc");
        std::size_t row = 1;
        for (const auto& item : Prop()->m_items) {
            if (item->IsSection())
                continue;
            ASSERT_LT(row, rows.size());
            const std::string& line = rows[row++];
            EXPECT_TRUE(line.starts_with(item->m_strLineNum + ",")) << line;
            const bool typed = !TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE);
            const std::string price = m_cleared.contains(item.get()) ? "" : OurPrice(*item);
            if (typed) {
                EXPECT_NE(line.find("," + price + ","), std::string::npos) << line;
            }
        }
        EXPECT_EQ(row, rows.size());
    }
    static std::vector<std::string> CsvRows(const std::string& path)
    {
        std::vector<std::string> rows;
        std::istringstream text(testsupport::ReadTextFile(path));
        for (std::string line; std::getline(text, line);) {
            EXPECT_TRUE(line.ends_with('\r')) << line;
            line.pop_back();
            rows.push_back(line);
        }
        return rows;
    }
    // The checksum the proposal node shows.
    std::string ShownChecksum()
    {
        EXPECT_TRUE(Select({NODE_PROPOSAL, 0}));
        return TextOf(CDV_Proposal::IDC_CHECKSUM);
    }
    double RecalculatedTotal() const
    {
        const std::unique_ptr<CProp> copy = CProp::MakeWholeCopy(*Prop());
        RecalcBidTotals(copy.get());
        return copy->m_dProposalTotal;
    }
    // The proposal's total in its amount format, as the status bar shows it (with thousands
    // separators after an edit in the grid, without them after opening or importing).
    std::string ProposalTotal() const
    {
        const CNumberFormat& format = Prop()->m_numberFormats[NUMFMT_AMOUNT];
        return FormatAmount(Prop()->m_dProposalTotal, format.m_byWidth, format.m_byDecimals, false,
                            Prop()->GetCurrencySymbol(0));
    }
    std::string StatusTotal() const
    {
        std::string total = Frame().GetStatusBar().GetPaneText(2);
        std::erase_if(total, [](char c) { return c == ',' || c == '\t' || c == ' '; });
        return total;
    }

    std::vector<std::string> m_amendmentReport;
    std::set<const CItem*> m_cleared; // option choices not taken
    bool m_active = false;
};

TEST_F(BidderDay, FromTheFirstRunToTheSavedCheckedAndPrintedBid)
{
    FirstRun();
    EXPECT_EQ(Stored("Bidder", "Name"), kCompany);
    if (!m_active)
        GTEST_FAIL() << "the platform gives no window the focus";

    OpenTheSample();
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    EXPECT_EQ(Prop()->m_iAmendmentCount, 2);
    EXPECT_EQ(Prop()->m_pBidder->Get(BIDDER_ID), kBidderId); // no question: the options gave it
    for (const char* change : {"0090  203.0200  EMBANKMENT IN PLACE", "0385  602.01A1  REINFORCING STEEL, EPOXY COATED"})
        EXPECT_NE(std::ranges::find(m_amendmentReport, change), m_amendmentReport.end()) << change;
    EXPECT_EQ(StatusTotal(), ProposalTotal());

    const std::vector<std::string> found = CheckZod();
    for (const char* error : {"Section Error : Section Error: section 0001 only partially bid",
                              "Item Error : item option group 02 has too many choices bid",
                              "DBE Notice : DBE Commitment Goal not met",
                              "Misc Error : Required fields not entered in Asphalt Plant Location screen",
                              "Bond Error : Data Error: Required fields not entered in Zod Bond Data screen"})
        EXPECT_NE(std::ranges::find(found, error), found.end()) << error;

    PriceEveryItem();
    KeepOneChoicePerOption();
    EXPECT_EQ(StatusTotal(), ProposalTotal());
    EXPECT_EQ(Prop()->m_dProposalTotal, RecalculatedTotal());
    const std::vector<std::string> priced = CheckZod();
    EXPECT_LT(priced.size(), found.size());
    for (const std::string& error : priced)
        EXPECT_EQ(error.find("Section Error"), std::string::npos) << error;

    CommitItemsToFirm("D0139");
    FillTheBond();
    FillTheMiscForms();
    // The plant and the signer's title are picked from the agency's lists in files beside the
    // proposal: a text list and a list of compressed records.
    EXPECT_EQ(MiscAnswer("Asphalt Plant Location", "Plant Name"), AsphaltPlants()[0]);
    EXPECT_EQ(MiscAnswer("Non-Collusion Affidavit", "Title"), SignerTitles()[0]);
    EXPECT_TRUE(CheckZodFindsNothing());

    const std::string csv = m_folder / "ridgeline.csv";
    TransferPrices(Qt::Key_E, csv, "Export Complete");
    const std::string bid = m_folder / "ridgeline.tvb";
    SaveAs(bid);
    const double total = Prop()->m_dProposalTotal;
    ExpectExportedPrices(CsvRows(csv));

    OpenFreshCopy();
    EXPECT_NE(Prop()->m_dProposalTotal, total);
    TransferPrices(Qt::Key_I, csv, "Import Complete");
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, total);
    EXPECT_EQ(StatusTotal(), ProposalTotal());

    Open(bid, Then::DiscardChanges); // the fresh copy served only to compare

    EXPECT_GT(PrintTheBid(m_folder / "ridgeline.pdf"), 0);
    ChooseByKeys(Qt::Key_F, {Qt::Key_S}); // saved
    EXPECT_FALSE(Doc().IsModified());
    const std::string saved = ShownChecksum();
    Open(bid);
    EXPECT_EQ(ShownChecksum(), saved);
    EXPECT_DOUBLE_EQ(Prop()->m_dProposalTotal, total);
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();

    // The day ends with File, Exit; the settings are written as the program ends.
    Frame().MoveWindow(40, 30, 1200, 780);
    ChooseByKeys(Qt::Key_F, {Qt::Key_X});
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(EndProgram(), 0);
    EXPECT_EQ(Stored("Recent File List", "File1"), bid);
    EXPECT_EQ(Stored("WindowMetrics", "XSize"), "1200");
    EXPECT_EQ(Stored("WindowMetrics", "GridMode"), "1");
    EXPECT_EQ(Stored("Bidder", "Name"), kCompany);
}
