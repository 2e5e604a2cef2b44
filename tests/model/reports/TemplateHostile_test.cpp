#include "tests/model/reports/ReportTestSupport.h"

#include "model/reports/TemplateError.h"

#include <gtest/gtest.h>

namespace {

// A broken template, each with the refusal it must give: the message, and the line and column
// the error points at. A good first line comes before every corruption.
struct Corruption {
    const char* m_name;
    std::string m_line;
    std::string m_message;
    int m_column;
};

void PrintTo(const Corruption& c, std::ostream* out)
{
    *out << c.m_line;
}

class TemplateHostile : public testing::TestWithParam<Corruption> {};

// The error the template is refused with.
CTemplateError RefusalOf(CProp& prop, const std::string& text, const std::function<void(CReportState&)>& setup = {})
{
    try {
        RenderTemplate(prop, text, setup);
    } catch (const CTemplateError& error) {
        return error;
    }
    ADD_FAILURE() << "accepted: " << text;
    return CTemplateError("", "", 0, 0);
}

TEST_P(TemplateHostile, IsRefusedWithTheTemplateAndThePlace)
{
    const Corruption& c = GetParam();
    auto prop = MakeReportProp();
    const int row = RowOfLine(*prop, "0020");
    const CTemplateError error = RefusalOf(*prop, "Contract {CONTRACT_ID}\n" + c.m_line,
                                           [row](CReportState& state) { state.m_iItem = row; });
    EXPECT_EQ(error.GetMessage(), c.m_message);
    EXPECT_EQ(error.GetLine(), 2);
    EXPECT_EQ(error.GetColumn(), c.m_column);
    EXPECT_NE(std::string(error.what()).find("line 2"), std::string::npos);
}

const std::string kIn = " in template [Test Template]";

INSTANTIATE_TEST_SUITE_P(
    Corruptions, TemplateHostile,
    testing::Values(
        Corruption{"UnclosedBrace", "x {ITEM_NUMBER", "Found end of line where } was expected" + kIn, 15},
        Corruption{"UnclosedQuote", "{\"abc}", "Found end of line where \" was expected" + kIn, 7},
        Corruption{"UnclosedParenthesis", "{(ITEM_UNIT}", "Found } where ) was expected" + kIn, 12},
        Corruption{"TwoFieldsWithoutAnOperator", "{ITEM_UNIT ITEM_NUMBER}", "Found I where } was expected" + kIn, 12},
        Corruption{"ElseWithoutField", "{ITEM_UNIT?\"a\":}", "Ambiguous Field Name:  in Template [Test Template]", 16},
        Corruption{"AmbiguousName", "{ITEM}", "Ambiguous Field Name: ITEM in Template [Test Template]", 2},
        Corruption{"UnknownOption", "{ITEM_UNIT,FOO}", "Unknown Field Option: FOO for field: ITEM_UNIT" + kIn, 12},
        Corruption{"EmptyOption", "{ITEM_UNIT,}", "Unknown Field Option:  for field: ITEM_UNIT" + kIn, 12},
        Corruption{"AmbiguousOption", "{ITEM_UNIT,S=3}", "Ambiguous Field Option S for field ITEM_UNIT" + kIn, 12},
        Corruption{"IntegerWithoutValue", "{ITEM_UNIT,SIZE}", "integer value required for option SIZE of field ITEM_UNIT" + kIn, 12},
        Corruption{"TextWithoutValue", "{ITEM_UNIT,STRIP=}", "string value required for option STRIP of field ITEM_UNIT" + kIn, 12},
        Corruption{"AdjustWithoutValue", "{ITEM_UNIT,ADJUST}", "value required for option ADJUST of field ITEM_UNIT" + kIn, 12},
        Corruption{"JustifyWithoutValue", "{ITEM_UNIT,JUSTIFY= }", "Justification value required for option JUSTIFY of field ITEM_UNIT" + kIn, 12},
        Corruption{"UnknownJustification", "{ITEM_UNIT,J=X}", "Unknown Justification X for option JUSTIFY of field ITEM_UNIT" + kIn, 12},
        Corruption{"EndlessLoop", "{ITEM_UNIT,MINLINES=900}", "Stuck in an endless loop in template: Test Template", 1},
        Corruption{"EndlessIndex", "{ITEM_UNIT,INDEX=0,MINLINES=900}", "Stuck in an endless loop in template: Test Template", 1},
        Corruption{"IncludesItself", "a {[Test Template]}", "Template [Test Template] includes itself", 4},
        Corruption{"PrintFormatOfAText", "{AMENDMENT_FILES,FORMAT=%s}",
                   "Unknown Print Format! (field AMENDMENT_FILES" + kIn + ")", 2},
        Corruption{"TwoConversions", "{CHECK,FORMAT=%X%X}", "Unknown Print Format! (field CHECK" + kIn + ")", 2},
        Corruption{"PercentN", "{SITE_COUNT,FORMAT=%n}", "Unknown Print Format! (field SITE_COUNT" + kIn + ")", 2}),
    [](const testing::TestParamInfo<Corruption>& info) { return info.param.m_name; });

} // namespace

TEST(TemplateHostileRuns, AFailedRunLeavesNoTemplateRunningAndTheProposalAsItWas)
{
    auto prop = MakeReportProp();
    const auto before = CProp::MakeWholeCopy(*prop);
    EXPECT_THROW(RenderTemplate(*prop, "{CONTRACT_ID,MINLINES=900}"), CTemplateError);
    EXPECT_TRUE(GetReportState().m_running.empty());
    prop->RemovePlate("Test Template");
    EXPECT_EQ(static_cast<const CPropHeader&>(*prop), static_cast<const CPropHeader&>(*before));
    EXPECT_EQ(RenderTemplate(*prop, "{CONTRACT_ID}"), "C-1001");
}

TEST(TemplateHostileRuns, NestingIsBounded)
{
    auto prop = MakeReportProp();
    for (int n = 0; n < 40; ++n)
        prop->SetPlate("Chain " + std::to_string(n), "{[Chain " + std::to_string(n + 1) + "]}");
    const CTemplateError error = RefusalOf(*prop, "{[Chain 0]}");
    EXPECT_EQ(error.GetMessage(), "Templates nested more than 32 deep at template [Chain 31]");
    EXPECT_EQ(error.GetTemplateName(), "Chain 30");
}

TEST(TemplateHostileRuns, IncludingItselfThroughOthersNamesWhereTheCircleCloses)
{
    auto prop = MakeReportProp();
    prop->SetPlate("Loop A", "a\n{[Loop B]}");
    prop->SetPlate("Loop B", "  {[Loop A]}");
    const CTemplateError error = RefusalOf(*prop, "{[Loop A]}");
    EXPECT_EQ(error.GetMessage(), "Template [Loop A] includes itself");
    EXPECT_EQ(error.GetTemplateName(), "Loop B");
    EXPECT_EQ(error.GetLine(), 1);
    EXPECT_EQ(error.GetColumn(), 4);
}
