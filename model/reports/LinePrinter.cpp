#include "model/reports/LinePrinter.h"

#include "platform/core/FormatText.h"
#include "platform/core/PageSink.h"

#include <algorithm>
#include <cstdarg>

namespace {

// A page buffer is columns x lines bytes; sizes from a caller beyond these are held here.
constexpr int kMaxColumns = 1024;
constexpr int kMaxLines = 4096;

CTextPrinterState g_printer;

bool HasFlag(uint16_t flag)
{
    return (g_printer.m_wFlags & flag) != 0;
}

bool IsCounting()
{
    return HasFlag(TP_COUNT_ONLY);
}

bool RendersThisPage()
{
    return !HasFlag(TP_SINGLE_PAGE) || g_printer.m_iPage == g_printer.m_iSelectedPage;
}

// In single-page GDI mode the caller has begun the device's page; otherwise the printer begins
// and ends the sink's document and pages itself (a stream sink writes the form feeds).
bool ManagesPages()
{
    return !(HasFlag(TP_GDI) && HasFlag(TP_SINGLE_PAGE));
}

char* BufferLine(int line)
{
    return g_printer.m_pageBuffer.data() + std::size_t(line) * std::size_t(g_printer.m_iColumns);
}

bool BufferHolds(int line, int column)
{
    return line >= 0 && line < g_printer.m_iLines && column >= 0 && column < g_printer.m_iColumns &&
           g_printer.m_pageBuffer.size() >= std::size_t(g_printer.m_iLines) * std::size_t(g_printer.m_iColumns);
}

void StartPage()
{
    CTextPrinterState& p = g_printer;
    // Counting never touches the buffer: a measurement runs while a real page is being filled.
    if (!IsCounting())
        std::fill(p.m_pageBuffer.begin(), p.m_pageBuffer.end(), ' ');
    ++p.m_iPage;
    ++p.m_iPagesStarted;
    p.m_iPageOpen = 1;
    p.m_iColumn = 0;
    p.m_iLine = 0;
    if (IsCounting() || !RendersThisPage() || !p.m_pSink || !ManagesPages())
        return;
    if (!p.m_pSink->InDocument())
        p.m_pSink->BeginDocument(kPrintDocumentName);
    p.m_pSink->BeginPage();
}

std::string_view TrimmedLine(int line)
{
    const char* text = BufferLine(line);
    std::size_t length = std::size_t(g_printer.m_iColumns);
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t'))
        --length;
    return {text, length};
}

bool IsControl(char c)
{
    return c == '\n' || c == '\r' || c == '\t' || c == '\f';
}

// A run of ordinary characters at once: what PrintTextChar does for each of them.
void PrintRun(std::string_view run)
{
    CTextPrinterState& p = g_printer;
    if (!p.m_iPageOpen)
        StartPage();
    if (!IsCounting() && BufferHolds(p.m_iLine, p.m_iColumn)) {
        const std::size_t room = std::size_t(p.m_iColumns - p.m_iColumn);
        std::copy_n(run.data(), std::min(room, run.size()), BufferLine(p.m_iLine) + p.m_iColumn);
    }
    p.m_iColumn = int(std::min(std::size_t(p.m_iColumn) + run.size(), std::size_t(p.m_iColumns)));
}

void PrintPage()
{
    CTextPrinterState& p = g_printer;
    p.m_iPageOpen = 0;
    if (IsCounting() || !RendersThisPage() || !p.m_pSink ||
        p.m_pageBuffer.size() < std::size_t(p.m_iLines) * std::size_t(p.m_iColumns))
        return;
    int last = p.m_iLines - 1;
    while (last >= 0 && TrimmedLine(last).empty())
        --last;
    for (int line = 0; line <= last; ++line)
        p.m_pSink->Line(TrimmedLine(line));
    if (ManagesPages())
        p.m_pSink->EndPage();
}

int ClampSize(int value, int fallback, int maximum)
{
    return value <= 0 ? fallback : std::min(value, maximum);
}

} // namespace

int OpenTextPrinter(uint16_t flags, const CTextPrinterTarget& target)
{
    return OpenTextPrinterSized(flags, target, 0, 0);
}

int OpenTextPrinterSized(uint16_t flags, const CTextPrinterTarget& target, int columns, int lines)
{
    g_printer = CTextPrinterState();
    CTextPrinterState& p = g_printer;
    p.m_wFlags = flags;
    p.m_iColumns = ClampSize(columns, kDefaultPrinterColumns, kMaxColumns);
    p.m_iLines = ClampSize(lines, kDefaultPrinterLines, kMaxLines);
    p.m_pSink = target.m_pSink;
    p.m_pageBuffer.assign(std::size_t(p.m_iColumns) * std::size_t(p.m_iLines), '\0');
    if (!HasFlag(TP_CREATE_DC) || IsCounting())
        return TP_OPENED;
    const int result = GetPrinterSink(target.m_strPrinterName, HasFlag(TP_PRINTER_NAME), p.m_pOwnedSink);
    p.m_pSink = p.m_pOwnedSink.get();
    return result;
}

// Past the last column characters are dropped, so the column need not count on for ever.
int PrintTextChar(char c)
{
    CTextPrinterState& p = g_printer;
    if (c != '\r' && !p.m_iPageOpen)
        StartPage();
    switch (c) {
    case '\n':
        p.m_iColumn = 0;
        if (++p.m_iLine >= p.m_iLines)
            PrintPage();
        return 1;
    case '\r':
        p.m_iColumn = 0;
        return 0;
    case '\t':
        p.m_iColumn = std::min(p.m_iColumn + 9 - p.m_iColumn % 8, p.m_iColumns);
        return 0;
    case '\f':
        PrintPage();
        return 1;
    default:
        if (!IsCounting() && BufferHolds(p.m_iLine, p.m_iColumn))
            BufferLine(p.m_iLine)[p.m_iColumn] = c;
        p.m_iColumn = std::min(p.m_iColumn + 1, p.m_iColumns);
        return 0;
    }
}

int PrintTextBlock(std::string_view text)
{
    int ended = 0;
    while (!text.empty()) {
        std::size_t run = 0;
        while (run < text.size() && !IsControl(text[run]))
            ++run;
        if (run > 0) {
            PrintRun(text.substr(0, run));
            text.remove_prefix(run);
        } else {
            ended += PrintTextChar(text.front());
            text.remove_prefix(1);
        }
    }
    return ended;
}

int PrintTextFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = platform::FormatTextV(format, args);
    va_end(args);
    return PrintTextBlock(text);
}

int CloseTextPrinter(bool flush)
{
    CTextPrinterState& p = g_printer;
    if (flush && p.m_iPageOpen)
        PrintPage();
    if (!IsCounting() && p.m_pSink && ManagesPages() && p.m_pSink->InDocument())
        p.m_pSink->EndDocument();
    p.m_pOwnedSink.reset();
    p.m_pSink = nullptr;
    p.m_pageBuffer.clear();
    p.m_pageBuffer.shrink_to_fit();
    return 0;
}

int GetTextPrinterPage()
{
    return g_printer.m_iPage;
}

bool SetTextPrinterFlags(uint16_t mask, bool on)
{
    const bool wasSet = (g_printer.m_wFlags & mask) != 0;
    g_printer.m_wFlags = uint16_t(on ? g_printer.m_wFlags | mask : g_printer.m_wFlags & ~mask);
    return wasSet;
}

CTextPrinterState& GetTextPrinterState()
{
    return g_printer;
}

CTextPrinterState& ResetTextPrinterState()
{
    CTextPrinterState& p = g_printer;
    p.m_iPage = p.m_iColumn = p.m_iLine = p.m_iPageOpen = p.m_iSelectedPage = p.m_iPagesStarted = 0;
    return p;
}

int GetPrinterSink(const std::string& name, bool useName, std::unique_ptr<platform::PageSink>& sink)
{
    platform::PrinterProvider* provider = platform::InstalledPrinterProvider();
    if (!provider)
        return useName ? TP_CANNOT_OPEN : TP_NO_DEFAULT_PRINTER;
    platform::PrinterProvider::Result result = platform::PrinterProvider::CannotOpen;
    sink = provider->OpenPrinter(useName ? &name : nullptr, result);
    if (sink)
        return TP_OPENED;
    return result == platform::PrinterProvider::NoDefaultPrinter ? TP_NO_DEFAULT_PRINTER : TP_CANNOT_OPEN;
}
