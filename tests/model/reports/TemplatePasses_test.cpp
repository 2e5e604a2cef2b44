#include "tests/model/reports/ReportTestSupport.h"

#include "model/check/BidErrors.h"
#include "model/check/CheckBid.h"
#include "model/reports/TemplateError.h"

#include <gtest/gtest.h>

namespace {

struct PassCase {
    const char* m_name;
    std::string m_template;
    std::string m_expected;
};

void PrintTo(const PassCase& c, std::ostream* out)
{
    *out << c.m_template;
}

// The paving item's long description, in pieces of nine: "aaaa bbbb", "cccc dddd", "eeee".
class TemplatePasses : public testing::TestWithParam<PassCase> {};

TEST_P(TemplatePasses, PrintEveryLineOfTheValue)
{
    auto prop = MakeReportProp();
    const int row = RowOfLine(*prop, "0060");
    prop->m_items[row]->m_strLongDesc = "aaaa bbbb cccc dddd  eeee";
    prop->SetPlate("Inner", "in {ITEM_UNIT}");
    const std::string text = RenderTemplate(*prop, GetParam().m_template, [row](CReportState& state) {
        state.m_iItem = row;
    });
    EXPECT_EQ(text, GetParam().m_expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TemplatePasses,
    testing::Values(
        PassCase{"OtherFieldsPrintBlanksOnLaterPasses", "{ITEM_LINE_NUMBER}|{ITEM_LONG_DESCRIPTION,SIZE=9,REPEAT}|{ITEM_UNIT}",
                 "0060|aaaa bbbb|TON\n    |cccc dddd|\n    |eeee     |"},
        PassCase{"WithoutRepeatOneLine", "{ITEM_LONG_DESCRIPTION,SIZE=9}", "aaaa bbbb"},
        PassCase{"Start", "{ITEM_LONG_DESCRIPTION,SIZE=9,START=1,REPEAT}", "cccc dddd\neeee"},
        PassCase{"IndexEveryPass", "[{ITEM_LONG_DESCRIPTION,SIZE=9,INDEX=1,MINLINES=2}]", "[cccc dddd]\n[cccc dddd]"},
        PassCase{"IndexDroppedBesideRepeat", "{ITEM_LONG_DESCRIPTION,SIZE=9,INDEX=2,REPEAT}", "aaaa bbbb\ncccc dddd\neeee"},
        PassCase{"MaxLines", "{ITEM_LONG_DESCRIPTION,SIZE=9,REPEAT,MAXLINES=2}", "aaaa bbbb\ncccc dddd"},
        PassCase{"MinLinesAddsBlankLines", "[{ITEM_LONG_DESCRIPTION,SIZE=9,MINLINES=4}]",
                 "[aaaa bbbb]\n[cccc dddd]\n[eeee     ]\n[         ]"},
        PassCase{"MaxLinesMinusOneStopsAtTheLastLine", "[{ITEM_LONG_DESCRIPTION,SIZE=9,MINLINES=5,MAXLINES=-1}]",
                 "[aaaa bbbb]\n[cccc dddd]\n[eeee     ]"},
        PassCase{"GoesOnInTheNextLine", "{ITEM_LONG_DESCRIPTION,SIZE=9}\n{ITEM_LONG_DESCRIPTION,SIZE=9,REPEAT}",
                 "aaaa bbbb\ncccc dddd\neeee"},
        PassCase{"ResetStartsAgain", "{ITEM_LONG_DESCRIPTION,SIZE=9}\n{ITEM_LONG_DESCRIPTION,SIZE=9,RESET}",
                 "aaaa bbbb\naaaa bbbb"},
        PassCase{"ASecondFieldOfTheSameNameGoesOn", "{ITEM_LONG_DESCRIPTION,SIZE=9}|{ITEM_LONG_DESCRIPTION,SIZE=9}",
                 "aaaa bbbb|cccc dddd"},
        PassCase{"BackslashJoinsTheNextLine", "abc \\  \ndef", "abc def"},
        PassCase{"AmendmentsOnePerPass", "{AMENDMENT_NUMBER,REPEAT} {AMENDMENT_DESCRIPTION}",
                 "00001 Revised quantities\n00002 Added guard rail alternate"},
        PassCase{"CountiesOnePerPass", "{COUNTY_ID,REPEAT} {COUNTY_NAME}", "Ad Adams\nBr Brown"},
        // Repeated, a record wider than its field goes on over the next passes; the line's other
        // lists wait for it.
        PassCase{"ARepeatedRecordWraps", "{AMENDMENT_NUMBER,REPEAT} {AMENDMENT_DESCRIPTION,SIZE=10,REPEAT}|",
                 "00001 Revised   |\n      quantities|\n00002 Added     |\n      guard rail|\n      alternate |"},
        PassCase{"ARecordStoppedByMaxLinesHoldsNoList",
                 "{AMENDMENT_NUMBER,REPEAT} {AMENDMENT_DESCRIPTION,SIZE=10,REPEAT,MAXLINES=1}",
                 "00001 Revised\n00002"},
        PassCase{"ARecordNotRepeatedIsCut", "{AMENDMENT_NUMBER,REPEAT} {AMENDMENT_DESCRIPTION,SIZE=10}",
                 "00001 Revised qu\n00002 Added guar"},
        PassCase{"SitesOnePerPass", "{SITE_NUMBER,REPEAT}: {SITE_NUMBER_DAYS} days",
                 "1: 30 days\n2: 45 days"},
        PassCase{"IncludedTemplateWritesInPlace", "a{[ Inner ]}b", "ain TON\nb"},
        PassCase{"PageNumberOfTheNextPage", "{PAGE_NUMBER}\f{PAGE_NUMBER}", "  1\f  2"}),
    [](const testing::TestParamInfo<PassCase>& info) { return info.param.m_name; });

} // namespace

TEST(TemplatePasses, TheReportsCurrentSiteIsReadInsteadOfTheList)
{
    auto prop = MakeReportProp();
    EXPECT_EQ(RenderTemplate(*prop, "{SITE_NUMBER,REPEAT} {SITE_DESCRIPTION}",
                             [](CReportState& state) { state.m_iSite = 1; }),
              "2 Mill Creek bridge approach");
}

TEST(TemplatePasses, TheErrorListPrintsOneMessagePerPass)
{
    auto prop = MakeReportProp();
    FreeBidErrorList();
    CheckBid(prop.get(), true);
    const auto& errors = GetBidErrorList();
    ASSERT_GE(errors.size(), 2u);
    std::string expected;
    for (const CBidError& error : errors)
        expected += (expected.empty() ? "" : "\n") + std::string("* ") + error.m_strText;
    EXPECT_EQ(RenderTemplate(*prop, "* {BID_ERROR,REPEAT}"), expected);
    FreeBidErrorList();
}

TEST(TemplatePasses, AListLongerThanTheLimitIsPrintedWhole)
{
    auto prop = MakeReportProp();
    for (int n = 3; n <= 700; ++n)
        prop->m_notes.Add(std::make_unique<CNote>())->m_iAmendmentNumber = n;
    const std::string text = RenderTemplate(*prop, "{AMENDMENT_NUMBER,REPEAT}", {}, 0);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\f'), 699);
    EXPECT_EQ(text.substr(text.size() - 5), "00700");
}

TEST(TemplatePasses, BlankLinesStopAtTheLimitAfterTheValueEnds)
{
    auto prop = MakeReportProp();
    EXPECT_NO_THROW(RenderTemplate(*prop, "{CONTRACT_ID,MINLINES=501}"));
    EXPECT_THROW(RenderTemplate(*prop, "{CONTRACT_ID,MINLINES=502}"), CTemplateError);
}

TEST(TemplatePasses, ALongTemplateIsParsedOncePerReport)
{
    auto prop = MakeReportProp();
    prop->SetPlate("Long", std::string(1500, '-') + "\n{ITEM_LINE_NUMBER}");
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinter(TP_COUNT_ONLY, CTextPrinterTarget{&sink, {}});
    BeginReport(prop.get(), 0);
    CReportState& state = GetReportState();
    RunTemplate(state, "Long");
    const auto first = GetParsedTemplate(state, "Long");
    state.m_iItem = 1;
    RunTemplate(state, "Long");
    EXPECT_EQ(GetParsedTemplate(state, "Long"), first);
    CloseTextPrinter(false);
    FreeReportTemplates();
    EXPECT_TRUE(GetReportState().m_parsed.empty());
}
