#include "platform/ui/print/PrinterSetup.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace platform {
namespace {

struct PrinterChoice {
    QPrinter::OutputFormat format;
    QString printerName;
    QString outputFile;
    QPageLayout layout;
    QPrinter::ColorMode color;
    QPrinter::DuplexMode duplex;
};

std::optional<PrinterChoice>& Chosen()
{
    static std::optional<PrinterChoice> choice;
    return choice;
}

} // namespace

void RememberPrinterSetup(const QPrinter& printer)
{
    Chosen() = PrinterChoice{printer.outputFormat(), printer.printerName(), printer.outputFileName(),
                             printer.pageLayout(),   printer.colorMode(),   printer.duplex()};
}

void ApplyPrinterSetup(QPrinter& printer)
{
    const std::optional<PrinterChoice>& choice = Chosen();
    if (!choice)
        return;
    if (choice->format == QPrinter::PdfFormat) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice->outputFile);
    } else if (QPrinterInfo::availablePrinterNames().contains(choice->printerName)) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(choice->printerName);
    } else {
        return;
    }
    printer.setPageLayout(choice->layout);
    printer.setColorMode(choice->color);
    printer.setDuplex(choice->duplex);
}

} // namespace platform
