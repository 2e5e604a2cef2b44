#pragma once

#include "platform/core/PageSink.h"

#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace platform {

class PrintOutput;

// Text pages are laid out in the line printer's cell: 134 twips wide, 240 twips high, in a
// fixed-pitch face, from the top left of the printable area.
constexpr int kTextCellWidthTwips = 134;
constexpr int kTextCellHeightTwips = 240;

// Draws one page of text lines with the painter, whose device has the given resolution.
void DrawTextPage(QPainter& painter, const std::vector<std::string>& lines, int dotsPerInch);

// Text pages are upright only: a printer set to landscape is turned back, and the user told.
void KeepTextPagesUpright(QPrinter& printer);

// Text pages on a Qt printer: a printer of the system, or a PDF file.
class PrinterPageSink : public PageSink {
public:
    // The printer as a print dialog set it up, with its copies.
    explicit PrinterPageSink(std::unique_ptr<QPrinter> printer);
    // Null with an error text when there is no default printer.
    static std::unique_ptr<PrinterPageSink> ForDefaultPrinter(std::string* error = nullptr);
    static std::unique_ptr<PrinterPageSink> ForPdf(const std::string& path);
    ~PrinterPageSink() override;

    QPrinter& Printer() { return *m_printer; }
    // The document ended with every page on the printer or in the whole file; else why not.
    bool Whole() const { return m_whole; }
    std::string FailureMessage() const;

protected:
    bool DoBeginDocument(std::string_view name) override;
    bool DoBeginPage() override;
    bool DoLine(std::string_view text, int lineIndex) override;
    bool DoEndPage() override;
    bool DoEndDocument() override;

private:
    bool DrawPage(const std::vector<std::string>& lines);

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PrintOutput> m_output;
    std::unique_ptr<QPainter> m_painter;
    std::vector<std::string> m_lines;
    std::vector<std::vector<std::string>> m_pages; // kept for the further copies of a collated job
    bool m_firstPage = true;
    bool m_whole = false;
};

// Keeps the pages for the preview window.
class PreviewPageSink : public PageSink {
public:
    const std::vector<std::vector<std::string>>& Pages() const { return m_pages; }

protected:
    bool DoBeginDocument(std::string_view) override;
    bool DoBeginPage() override;
    bool DoLine(std::string_view text, int lineIndex) override;
    bool DoEndPage() override { return true; }
    bool DoEndDocument() override { return true; }

private:
    std::vector<std::vector<std::string>> m_pages;
};

} // namespace platform
