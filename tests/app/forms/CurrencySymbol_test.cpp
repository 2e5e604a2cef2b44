// A proposal whose currency symbol holds a "$" of its own ("US$"), a blank or a byte outside
// ASCII: the firms' commitments count as with "$", and a money field takes back the text it
// shows.
#include "app/forms/FirmSummary.h"
#include "app/forms/TemplateView.h"
#include "model/check/FormChecks.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "model/records/WinMeta.h"
#include "platform/core/Codepage.h"
#include "tests/app/forms/FormsTestSupport.h"

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
};

TEST_P(CurrencySymbolTest, TheFirmsCommitmentsCountAndTheGoalsAreAsWithTheDollar)
{
    OpenSampleWithSymbol();
    ASSERT_TRUE(Select({NODE_DBE_LIST, 0}));
    EXPECT_NE(Text(IDC_FIRM_COMMITTED_AMOUNT).find(Symbol() + "383,747.90"), std::string::npos)
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

INSTANTIATE_TEST_SUITE_P(Symbols, CurrencySymbolTest,
                         ::testing::Values(Currency{"Dollar", "$"}, Currency{"None", ""}, Currency{"US", "US$"},
                                           Currency{"Canadian", "C$"}, Currency{"EurWithBlank", "EUR "},
                                           Currency{"Euro", "\x80"}),
                         [](const auto& info) { return std::string(info.param.name); });
