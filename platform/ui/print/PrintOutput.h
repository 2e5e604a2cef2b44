#pragma once

// Where the pages of one print job go. A printer takes them as they are drawn. A PDF file is
// written beside its name and takes that name only once it is whole: a full disk leaves an older
// file of that name as it was, and the job says why it failed.
#include <QPainter>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace platform {

class AtomicFileDevice;

class PrintOutput {
public:
    explicit PrintOutput(QPrinter& printer);
    ~PrintOutput();
    PrintOutput(const PrintOutput&) = delete;
    PrintOutput& operator=(const PrintOutput&) = delete;

    // Starts the painter on the first page; false when the device cannot be started.
    bool Begin(QPainter& painter);
    bool NewPage();
    // Ends the painter; true only when every page reached the printer or the whole file.
    bool End(QPainter& painter);
    // What the user is told after Begin or End failed.
    std::string FailureMessage() const;

    // The copies the job must draw itself (a printer that makes its own copies gets them once),
    // and whether they go one whole copy after another.
    int Copies() const;
    bool Collate() const;

private:
    QPagedPaintDevice& Device();

    QPrinter& m_printer;
    std::unique_ptr<AtomicFileDevice> m_file; // for a PDF file
    std::unique_ptr<QPdfWriter> m_pdf;
    bool m_started = false;
    bool m_failed = false; // a page could not be started: the job is not whole
};

} // namespace platform
