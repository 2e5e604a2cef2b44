#include "platform/ui/print/PrinterSetup.h"

#include "platform/ui/print/Paper.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

namespace platform {
namespace {

struct PrinterChoice {
    QPrinter::OutputFormat format;
    QString printerName;
    QPageSize paper;
    QPageLayout::Orientation orientation;
};

std::optional<PrinterChoice>& Chosen()
{
    static std::optional<PrinterChoice> choice;
    return choice;
}

bool CanApply(const PrinterChoice& choice)
{
    return choice.format == QPrinter::PdfFormat || QPrinterInfo::availablePrinterNames().contains(choice.printerName);
}

void UseSystemPaperForPdf(QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const QPageLayout layout = printer.pageLayout();
    printer.setPageSize(SystemPaper(layout.margins(), layout.units()));
}

} // namespace

void RememberPrinterSetup(const QPrinter& printer)
{
    Chosen() = PrinterChoice{printer.outputFormat(), printer.printerName(), printer.pageLayout().pageSize(),
                             printer.pageLayout().orientation()};
}

void ApplyPrinterSetup(QPrinter& printer)
{
    const std::optional<PrinterChoice>& choice = Chosen();
    if (!choice || !CanApply(*choice)) {
        UseSystemPaperForPdf(printer);
        return;
    }
    printer.setOutputFormat(choice->format);
    if (choice->format == QPrinter::NativeFormat)
        printer.setPrinterName(choice->printerName);
    printer.setPageSize(choice->paper);
    printer.setPageOrientation(choice->orientation);
}

void ForgetPrinterSetup()
{
    Chosen().reset();
}

} // namespace platform
