// A proposal whose currency symbol holds a "$" of its own ("US$"), a blank or a byte outside
// ASCII: the firms' commitments count as with "$", a money field takes back the text it shows,
// the printed firm lists carry the firms' amounts and Check Zod reads the bond's.
#include "app/dialogs/BidErrors.h"
#include "app/forms/FirmSummary.h"
#include "app/forms/TemplateView.h"
#include "model/check/FormChecks.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "model/records/WinMeta.h"
#include "model/text/AmountText.h"
#include "model/text/NumberFormat.h"
#include "model/text/TextUtil.h"
#include "platform/core/Codepage.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/dialogs/DialogTestSupport.h"
#include "tests/app/forms/FormsTestSupport.h"
#include "tests/support/PdfPages.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace {

struct Currency {
    const char* name;
    const char* symbol; // as the proposal holds it, in Windows-1252
};

void PrintTo(const Currency& currency, std::ostream* out)
{
    *out << currency.name;
}

constexpr UINT kBondAmount = CDV_Template::kFirstFieldId + BOND_FIELD_AMOUNT;

// What is printed after `firm` on the first line that names it; nullopt when none does.
std::optional<std::string> PrintedAfter(const std::string& printed, const std::string& firm)
{
    const std::string name = Squeezed(firm);
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        const std::string squeezed = Squeezed(line);
        if (const std::size_t at = squeezed.find(name); at != std::string::npos)
            return squeezed.substr(at + name.size());
    }
    return std::nullopt;
}

// The printed number that `text` begins with ("113,330.99 Supplier"), or nullopt.
std::optional<double> LeadingAmount(const std::string& text)
{
    std::string first;
    std::istringstream(text) >> first;
    RemoveChars(first, ",");
    double value = 0;
    const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), value);
    if (first.empty() || error != std::errc() || end != first.data() + first.size())
        return std::nullopt;
    return value;
}

} // namespace

class CurrencySymbolTest : public FormsTest, public ::testing::WithParamInterface<Currency> {
protected:
    std::string Symbol() const { return GetParam().symbol; }

    // The sample as its agency would publish it with the symbol.
    void OpenSampleWithSymbol()
    {
        std::unique_ptr<CProp> prop;
        ASSERT_EQ(LoadTvbFile(prop, InLetting("sample.tvb"), false), 0);
        prop->m_strFurtherReferences[0] = Symbol();
        ASSERT_EQ(SaveTvbFile(*prop, InLetting("sample.tvb")), 0);
        OpenSample();
        ASSERT_EQ(Prop()->GetCurrencySymbol(0), Symbol());
    }
    std::string Text(UINT id) const { return Control(id) ? Control(id)->GetWindowText() : "<none>"; }
    std::string BondCell() const
    {
        const CCellData* cell = Prop()->m_pBondForm->GetCell(0, BOND_FIELD_AMOUNT);
        return cell ? cell->m_strText : std::string("<no cell>");
    }
    // Typed over the field's text, then Tab to the next field. Each character is a key of its
    // own, as a keyboard with the symbol gives it.
    void Fill(UINT id, const std::string& text)
    {
        QWidget* field = Control(id)->GetWidget();
        Type(Control(id), "");
        for (const QChar character : QString::fromStdString(platform::Cp1252ToUtf8(text)))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::keyClick(field, Qt::Key_Tab);
        Settle();
    }
    // Ctrl+P, printed to a PDF file: the text of its pages.
    std::string PrintTheBid()
    {
        EXPECT_TRUE(testsupport::Activate(Frame().GetWidget()));
        const std::string pdf = m_folder / "bid.pdf";
        m_script.AnswerPrint(pdf);
        QTest::keyClick(Frame().GetWidget(), Qt::Key_P, Qt::ControlModifier);
        Settle();
        return PdfText(pdf);
    }
    // F4: the lines of the list Check Zod shows.
    std::vector<std::string> CheckZod()
    {
        std::vector<std::string> errors;
        m_script.AnswerDialog([&errors](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            errors = dialogtest::Lines(dialog.GetDlgItem(CBidErrors::IDC_LIST));
            ShellTest::Click(dialog, IDOK);
        });
        EXPECT_TRUE(testsupport::Activate(Frame().GetWidget()));
        QTest::keyClick(Frame().GetWidget(), Qt::Key_F4);
        Settle();
        return errors;
    }
};

TEST_P(CurrencySymbolTest, TheFirmsCommitmentsCountAndTheGoalsAreAsWithTheDollar)
{
    OpenSampleWithSymbol();
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    EXPECT_NE(Text(IDC_FIRM_COMMITTED_AMOUNT).find(Symbol() + "415,108.29"), std::string::npos)
        << Text(IDC_FIRM_COMMITTED_AMOUNT);
    EXPECT_EQ(Text(IDC_FIRM_GOAL_STATUS), "<GOAL NOT MET>");
    for (const NodeRef list : {NodeRef{NODE_MBE_LIST, 0}, NodeRef{NODE_WBE_LIST, 0}}) {
        ASSERT_TRUE(Select(list));
        EXPECT_EQ(Text(IDC_FIRM_GOAL_STATUS), "<GOAL MET>") << list.type;
    }
}

TEST_P(CurrencySymbolTest, AMoneyFieldTakesBackTheTextItShows)
{
    OpenSampleWithSymbol();
    ASSERT_TRUE(Select({NODE_BOND, 0}));
    Fill(kBondAmount, "1234");
    const std::string shown = Symbol() + "1,234.00";
    EXPECT_EQ(Text(kBondAmount), shown);
    EXPECT_EQ(BondCell(), shown);
    // The shown text typed again, and the symbol around a formula.
    for (const std::string& typed : {shown, Symbol() + "1,000+234"}) {
        Fill(kBondAmount, typed);
        EXPECT_EQ(Text(kBondAmount), shown) << typed;
        EXPECT_EQ(BondCell(), shown) << typed;
    }
    EXPECT_TRUE(m_script.MessageBoxes().empty()) << m_script.MessageBoxes().front().text;
}

// Each firm of the printed DBE, MBE and WBE lists is printed with the amount its form holds. The
// DBE list is printed; the others where the agency's templates have them.
TEST_P(CurrencySymbolTest, ThePrintedFirmListsCarryEachFirmsAmount)
{
    Store("Misc", "PrintSave", "0");
    Store("Misc", "PrintCheck", "0");
    OpenSampleWithSymbol();
    const std::string printed = PrintTheBid();
    ASSERT_FALSE(printed.empty()) << "nothing printed";
    const std::pair<const CWinMeta*, bool> lists[] = {
        {Prop()->m_pDbeForm.get(), true}, {Prop()->m_pMbeForm.get(), false}, {Prop()->m_pWbeForm.get(), false}};
    for (const auto& [form, listed] : lists) {
        ASSERT_NE(form, nullptr);
        ASSERT_FALSE(form->m_rows.IsEmpty());
        int printedFirms = 0;
        for (int row = 0; row < form->m_rows.GetSize(); ++row) {
            const std::string firm = form->GetCell(row, 0)->m_strText;
            const std::optional<std::string> line = PrintedAfter(printed, firm);
            if (!line)
                continue;
            ++printedFirms;
            const std::string cell = form->GetCellById(row, FIRM_FIELD_AMOUNT)->m_strText;
            ASSERT_TRUE(cell.starts_with(Symbol())) << cell;
            const double amount = ParseCellAmount(Symbol(), cell);
            EXPECT_GT(amount, 0) << firm << ": " << cell;
            const std::optional<double> shown = LeadingAmount(*line);
            ASSERT_TRUE(shown) << firm << " is printed without its amount " << cell << ":" << *line;
            EXPECT_NEAR(*shown, amount, 0.005) << firm;
        }
        // A list is printed whole, or not at all where the templates have none.
        EXPECT_TRUE(printedFirms == form->m_rows.GetSize() || (!listed && printedFirms == 0)) << printedFirms;
    }
    EXPECT_TRUE(m_script.AllAnswered());
}

// A bond below the required share of the items total is found whatever the symbol; one that
// covers it is not.
TEST_P(CurrencySymbolTest, CheckZodReadsTheBondAmountInTheProposalsCurrency)
{
    OpenSampleWithSymbol();
    const CWinMeta& bond = *Prop()->m_pBondForm;
    const double needed = Prop()->m_dItemsTotal * GetFormGoal(bond) / 100;
    ASSERT_GT(needed, 1000);
    const std::string complaint = "Bond Amount is less than the required " + FormatAmount(needed, 0, 2, true, Symbol());
    const auto complained = [&complaint](const std::vector<std::string>& errors) {
        return std::ranges::any_of(errors, [&](const std::string& line) { return line.ends_with(complaint); });
    };
    ASSERT_TRUE(Select({NODE_BOND, 0}));
    Fill(kBondAmount, "1000");
    ASSERT_EQ(BondCell(), Symbol() + "1,000.00");
    const std::vector<std::string> below = CheckZod();
    EXPECT_TRUE(complained(below)) << complaint;

    ASSERT_TRUE(Select({NODE_BOND, 0}));
    Fill(kBondAmount, FormatAmount(needed + 1, 0, 2, false, ""));
    const std::vector<std::string> covered = CheckZod();
    EXPECT_FALSE(covered.empty());
    EXPECT_FALSE(complained(covered)) << BondCell();
    EXPECT_TRUE(m_script.AllAnswered());
}

INSTANTIATE_TEST_SUITE_P(Symbols, CurrencySymbolTest,
                         ::testing::Values(Currency{"Dollar", "$"}, Currency{"None", ""}, Currency{"US", "US$"},
                                           Currency{"Canadian", "C$"}, Currency{"EurWithBlank", "EUR "},
                                           Currency{"Euro", "\x80"}),
                         [](const auto& info) { return std::string(info.param.name); });
