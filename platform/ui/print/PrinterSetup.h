#pragma once

class QPrinter;

namespace platform {

// What File > Print Setup chose: the printer (or a PDF file), the paper and its orientation.
// Every print job after it starts from them, as a program's default printer does, until the
// program ends.
void RememberPrinterSetup(const QPrinter& printer);

// Sets a job's printer up as Print Setup chose. Before that, and for a printer since removed, a
// PDF file is made on the system's paper and a printer keeps its own.
void ApplyPrinterSetup(QPrinter& printer);

// As before any Print Setup (for tests, which run many sessions in one process).
void ForgetPrinterSetup();

} // namespace platform
