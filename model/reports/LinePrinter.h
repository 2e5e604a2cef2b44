#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class PageSink;
}

// The plain-text line printer: fixed-width text laid out on pages of so many columns and lines,
// each finished page going to a page sink (a printer, a PDF file, the preview, or a text stream
// that ends every page with a form feed). One printer state for the whole program; one job at a
// time; main thread only.

// Mode bits of the printer state.
enum : uint16_t {
    TP_GDI = 1,          // pages go to a device that the printer manages; clear: a text stream
    TP_SINGLE_PAGE = 2,  // only the selected page is rendered, onto a page the caller began
    TP_CREATE_DC = 4,    // open a printer (named or the default one) through the installed provider
    TP_CREATE_FONT = 8,  // the printer's own fixed-pitch font
    TP_COUNT_ONLY = 16,  // nothing is drawn or written and no printer is opened
    TP_PRINTER_NAME = 32 // the target names the printer; clear: the default printer
};

// Results of opening.
enum : int {
    TP_OPENED = 0,
    TP_NO_DEFAULT_PRINTER = 1,
    TP_CANNOT_OPEN = 2,
};

inline constexpr int kDefaultPrinterColumns = 80;
inline constexpr int kDefaultPrinterLines = 60;
inline constexpr std::string_view kPrintDocumentName = "Tarvello Zod";

// Where a job's pages go: a sink the caller owns, or (with TP_CREATE_DC and TP_PRINTER_NAME)
// the name of a printer to open.
struct CTextPrinterTarget {
    platform::PageSink* m_pSink = nullptr;
    std::string m_strPrinterName;
};

struct CTextPrinterState {
    uint16_t m_wFlags = 0;
    int m_iColumns = kDefaultPrinterColumns;
    int m_iLines = kDefaultPrinterLines;
    int m_iPage = 0;          // the current page, from 1
    int m_iColumn = 0;
    int m_iLine = 0;
    int m_iPageOpen = 0;
    int m_iSelectedPage = 0;
    std::vector<char> m_pageBuffer; // columns x lines characters
    platform::PageSink* m_pSink = nullptr;
    std::unique_ptr<platform::PageSink> m_pOwnedSink; // the printer opened with TP_CREATE_DC
    int m_iCharWidth = 134;   // twips
    int m_iLineHeight = 240;  // twips
    int m_iPagesStarted = 0;
};

// As OpenTextPrinterSized with 80 columns and 60 lines.
int OpenTextPrinter(uint16_t flags, const CTextPrinterTarget& target);
// Clears the whole state (a job still open is dropped without ending its document), stores
// flags, size (0 or less: the default) and target, and gives the job a blank page buffer. With
// TP_CREATE_DC (and not TP_COUNT_ONLY) opens the printer: TP_NO_DEFAULT_PRINTER or
// TP_CANNOT_OPEN when that fails.
int OpenTextPrinterSized(uint16_t flags, const CTextPrinterTarget& target, int columns, int lines);
// 1 when the character ended a line (line feed) or a page (form feed), else 0.
int PrintTextChar(char c);
// The sum of PrintTextChar over the text.
int PrintTextBlock(std::string_view text);
// Formats the whole text, whatever its length, and prints it.
int PrintTextFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
// With flush, prints an open page first. Then ends the document (unless counting or rendering a
// single page) and closes a printer opened by the job. Always 0.
int CloseTextPrinter(bool flush);
int GetTextPrinterPage();
// Sets (on) or clears the mask bits; whether any of them was set before.
bool SetTextPrinterFlags(uint16_t mask, bool on);
CTextPrinterState& GetTextPrinterState();
// Page, column, line, page open, selected page and pages started back to 0.
CTextPrinterState& ResetTextPrinterState();
// The printer of that name (useName) or the default printer, through the installed provider.
int GetPrinterSink(const std::string& name, bool useName, std::unique_ptr<platform::PageSink>& sink);
