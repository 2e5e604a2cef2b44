#include "model/reports/LinePrinter.h"
#include "platform/core/PageSink.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Keeps what reached it, page by page.
class RecordingSink : public platform::PageSink {
public:
    std::vector<std::vector<std::string>> m_pages;
    int m_documents = 0;

protected:
    bool DoBeginDocument(std::string_view) override { return ++m_documents, true; }
    bool DoBeginPage() override { return m_pages.emplace_back(), true; }
    bool DoLine(std::string_view text, int) override { return m_pages.back().emplace_back(text), true; }
    bool DoEndPage() override { return true; }
    bool DoEndDocument() override { return true; }
};

std::string StreamOf(const std::string& text, uint16_t flags = 0, bool flush = true)
{
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    EXPECT_EQ(OpenTextPrinter(flags, CTextPrinterTarget{&sink, {}}), TP_OPENED);
    PrintTextBlock(text);
    CloseTextPrinter(flush);
    return out.str();
}

class FakeProvider : public platform::PrinterProvider {
public:
    Result m_result = Opened;
    std::string m_lastName = "(default)";

    std::unique_ptr<platform::PageSink> OpenPrinter(const std::string* name, Result& result) override
    {
        m_lastName = name ? *name : "(default)";
        result = m_result;
        return m_result == Opened ? std::make_unique<RecordingSink>() : nullptr;
    }
};

} // namespace

TEST(LinePrinter, StreamModeEndsEveryPageWithAFormFeed)
{
    EXPECT_EQ(StreamOf("A\fB"), "A\fB\f");
    EXPECT_EQ(StreamOf("one\ntwo   \t\n\nfour"), "one\ntwo\n\nfour\f");
}

TEST(LinePrinter, ABlankPageStillEndsAndTrailingBlankLinesAreDropped)
{
    EXPECT_EQ(StreamOf("   \n\t\n\f"), "\f");
    EXPECT_EQ(StreamOf("x\n\n\n"), "x\f");
}

TEST(LinePrinter, TabsStopAtNineSeventeenAndSoOn)
{
    EXPECT_EQ(StreamOf("\tx"), std::string(9, ' ') + "x\f");
    EXPECT_EQ(StreamOf("12345678\tx"), "12345678" + std::string(9, ' ') + "x\f");
    EXPECT_EQ(StreamOf("1\tx"), "1" + std::string(8, ' ') + "x\f");
}

TEST(LinePrinter, CharactersPastTheLastColumnAreDroppedAndCarriageReturnOverwrites)
{
    EXPECT_EQ(StreamOf(std::string(85, 'a')), std::string(80, 'a') + "\f");
    EXPECT_EQ(StreamOf("abcdef\rXY"), "XYcdef\f");
}

TEST(LinePrinter, TheSixtiethLineFeedPrintsThePage)
{
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinter(0, CTextPrinterTarget{&sink, {}});
    for (int line = 0; line < 60; ++line)
        EXPECT_EQ(PrintTextBlock("x\n"), 1);
    EXPECT_EQ(GetTextPrinterState().m_iPageOpen, 0);
    EXPECT_EQ(GetTextPrinterPage(), 1);
    PrintTextChar('y');
    EXPECT_EQ(GetTextPrinterPage(), 2);
    CloseTextPrinter(true);
    EXPECT_EQ(sink.PagesEnded(), 2);
}

TEST(LinePrinter, CountOnlyCountsLinesAndPagesAndWritesNothing)
{
    FakeProvider provider;
    platform::InstallPrinterProvider(&provider);
    RecordingSink sink;
    EXPECT_EQ(OpenTextPrinter(TP_COUNT_ONLY | TP_CREATE_DC, CTextPrinterTarget{&sink, {}}), TP_OPENED);
    EXPECT_EQ(PrintTextBlock("a\nb\fc"), 2);
    EXPECT_EQ(GetTextPrinterPage(), 2);
    CloseTextPrinter(true);
    platform::InstallPrinterProvider(nullptr);
    EXPECT_EQ(provider.m_lastName, "(default)"); // never asked
    EXPECT_EQ(sink.m_documents, 0);
    EXPECT_TRUE(sink.m_pages.empty());
}

TEST(LinePrinter, SinglePageModeRendersOnlyTheSelectedPageOntoTheCallersPage)
{
    RecordingSink sink;
    sink.BeginDocument("preview");
    sink.BeginPage();
    OpenTextPrinter(TP_GDI | TP_SINGLE_PAGE, CTextPrinterTarget{&sink, {}});
    GetTextPrinterState().m_iSelectedPage = 2;
    PrintTextBlock("first\fsecond\nline\fthird");
    CloseTextPrinter(true);
    sink.EndPage();
    ASSERT_EQ(sink.m_pages.size(), 1u);
    EXPECT_EQ(sink.m_pages[0], (std::vector<std::string>{"second", "line"}));
    EXPECT_EQ(sink.m_documents, 1);
}

TEST(LinePrinter, GdiModeBeginsAndEndsTheDocumentItself)
{
    RecordingSink sink;
    OpenTextPrinterSized(TP_GDI, CTextPrinterTarget{&sink, {}}, 10, 2);
    PrintTextBlock("a long line\nb\nc");
    CloseTextPrinter(true);
    EXPECT_EQ(sink.m_pages, (std::vector<std::vector<std::string>>{{"a long lin", "b"}, {"c"}}));
    EXPECT_FALSE(sink.InDocument());
}

struct OpenCase {
    const char* m_name;
    platform::PrinterProvider::Result m_provided;
    bool m_installed;
    uint16_t m_flags;
    int m_expected;
    const char* m_askedFor;
};

class LinePrinterOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(LinePrinterOpen, KeepsTheResultCodesOfOpening)
{
    const OpenCase& c = GetParam();
    FakeProvider provider;
    provider.m_result = c.m_provided;
    platform::InstallPrinterProvider(c.m_installed ? &provider : nullptr);
    EXPECT_EQ(OpenTextPrinter(c.m_flags, CTextPrinterTarget{nullptr, "Office Laser"}), c.m_expected);
    EXPECT_EQ(provider.m_lastName, c.m_askedFor);
    EXPECT_EQ(GetTextPrinterState().m_pSink != nullptr, c.m_expected == TP_OPENED);
    CloseTextPrinter(true);
    platform::InstallPrinterProvider(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, LinePrinterOpen,
    testing::Values(
        OpenCase{"DefaultPrinter", platform::PrinterProvider::Opened, true, TP_GDI | TP_CREATE_DC, TP_OPENED, "(default)"},
        OpenCase{"NamedPrinter", platform::PrinterProvider::Opened, true, TP_GDI | TP_CREATE_DC | TP_PRINTER_NAME,
                 TP_OPENED, "Office Laser"},
        OpenCase{"NoDefaultPrinter", platform::PrinterProvider::NoDefaultPrinter, true, TP_GDI | TP_CREATE_DC,
                 TP_NO_DEFAULT_PRINTER, "(default)"},
        OpenCase{"CannotOpen", platform::PrinterProvider::CannotOpen, true, TP_GDI | TP_CREATE_DC | TP_PRINTER_NAME,
                 TP_CANNOT_OPEN, "Office Laser"},
        OpenCase{"NoPrintSystemNoDefault", platform::PrinterProvider::Opened, false, TP_GDI | TP_CREATE_DC,
                 TP_NO_DEFAULT_PRINTER, "(default)"},
        OpenCase{"NoPrintSystemNamed", platform::PrinterProvider::Opened, false, TP_GDI | TP_CREATE_DC | TP_PRINTER_NAME,
                 TP_CANNOT_OPEN, "(default)"}),
    [](const testing::TestParamInfo<OpenCase>& info) { return info.param.m_name; });

TEST(LinePrinter, FlagSetterTellsWhetherAnyMaskBitWasSet)
{
    OpenTextPrinter(TP_GDI, CTextPrinterTarget{});
    EXPECT_TRUE(SetTextPrinterFlags(TP_GDI | TP_COUNT_ONLY, true));
    EXPECT_TRUE(SetTextPrinterFlags(TP_COUNT_ONLY, false));
    EXPECT_FALSE(SetTextPrinterFlags(TP_COUNT_ONLY, false));
    EXPECT_EQ(GetTextPrinterState().m_wFlags, TP_GDI);
    CloseTextPrinter(false);
}

TEST(LinePrinter, FormattedTextIsNeverCutShort)
{
    const std::string longWord(700, 'w');
    std::ostringstream out;
    platform::StreamPageSink sink(out);
    OpenTextPrinterSized(0, CTextPrinterTarget{&sink, {}}, 800, 0);
    PrintTextFormat("%s|%d", longWord.c_str(), 42);
    CloseTextPrinter(true);
    EXPECT_EQ(out.str(), longWord + "|42\f");
}

TEST(LinePrinter, ResetStartsTheCountsAgainAndKeepsTheJob)
{
    RecordingSink sink;
    OpenTextPrinterSized(TP_GDI, CTextPrinterTarget{&sink, {}}, 20, 5);
    PrintTextBlock("a\fb\nc");
    CTextPrinterState& state = ResetTextPrinterState();
    EXPECT_EQ(state.m_iPage, 0);
    EXPECT_EQ(state.m_iPagesStarted, 0);
    EXPECT_EQ(state.m_iLine, 0);
    EXPECT_EQ(state.m_iPageOpen, 0);
    EXPECT_EQ(state.m_iColumns, 20);
    PrintTextBlock("d");
    EXPECT_EQ(GetTextPrinterPage(), 1);
    CloseTextPrinter(true);
    EXPECT_EQ(sink.m_pages.back(), (std::vector<std::string>{"d"}));
}
