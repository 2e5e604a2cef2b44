#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace platform {

// Where printed text pages go: a printer, a PDF file, the preview window or a text stream.
// Lines are Windows-1252 bytes without their line end. The calls must come in document order
// (BeginDocument, then pages of BeginPage/Line.../EndPage, then EndDocument); a call out of that
// order, or a failing device, answers false and leaves the sink as it was.
class PageSink {
public:
    virtual ~PageSink() = default;

    bool BeginDocument(std::string_view name);
    bool BeginPage();
    bool Line(std::string_view text);
    bool EndPage();
    bool EndDocument();

    bool InDocument() const { return m_state != State::Idle; }
    bool InPage() const { return m_state == State::Page; }
    int PagesEnded() const { return m_pagesEnded; }
    int LinesOnPage() const { return m_linesOnPage; }

protected:
    virtual bool DoBeginDocument(std::string_view name) = 0;
    virtual bool DoBeginPage() = 0;
    virtual bool DoLine(std::string_view text, int lineIndex) = 0; // lineIndex counts from 0 per page
    virtual bool DoEndPage() = 0;
    virtual bool DoEndDocument() = 0;

private:
    enum class State { Idle, Document, Page };
    State m_state = State::Idle;
    int m_pagesEnded = 0;
    int m_linesOnPage = 0;
};

// Plain text: a line feed between the lines of a page and a form feed after every page, which is
// what a text-mode report file holds.
class StreamPageSink : public PageSink {
public:
    explicit StreamPageSink(std::ostream& out) : m_out(out) {}

protected:
    bool DoBeginDocument(std::string_view name) override;
    bool DoBeginPage() override;
    bool DoLine(std::string_view text, int lineIndex) override;
    bool DoEndPage() override;
    bool DoEndDocument() override;

private:
    std::ostream& m_out;
};

// Opens printers for the line printer; the GUI installs the one that reaches the user's
// printers, so that the model can ask for a printer without knowing the print system.
class PrinterProvider {
public:
    enum Result { Opened = 0, NoDefaultPrinter = 1, CannotOpen = 2 };

    virtual ~PrinterProvider() = default;
    // The printer of that name, or the default printer for a null name; null with the reason
    // in `result` when there is none.
    virtual std::unique_ptr<PageSink> OpenPrinter(const std::string* name, Result& result) = 0;
};

// Null uninstalls; the provider must outlive its installation.
void InstallPrinterProvider(PrinterProvider* provider);
PrinterProvider* InstalledPrinterProvider();

} // namespace platform
