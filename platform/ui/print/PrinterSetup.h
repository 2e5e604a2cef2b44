#pragma once

class QPrinter;

namespace platform {

// What File > Print Setup chose: the printer and its page. Every print dialog after it starts
// from them, as a program's default printer does, until the program ends.
void RememberPrinterSetup(const QPrinter& printer);
// Nothing until Print Setup has been confirmed once; a printer since removed is not taken.
void ApplyPrinterSetup(QPrinter& printer);

} // namespace platform
