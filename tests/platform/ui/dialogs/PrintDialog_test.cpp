// Qt's print dialog as the real modal services open it: printing to a PDF file is always offered,
// and on a machine without a printer it is the choice shown.
#include "platform/ui/dialogs/QtModalServices.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/TestEnvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testsupport::OfClass;

constexpr const char* kToFile = "Print to File (PDF)";

struct Seen {
    bool offersFile = false;
    QStringList destinations;
    QString shown;
};

// What the dialog offers; then the user prints to the file (when given) or cancels.
testsupport::ModalStep LookAndPrintTo(Seen& seen, const std::string& pdf)
{
    return {OfClass<QPrintDialog>(), [&seen, pdf](QWidget* window) {
                auto* dialog = qobject_cast<QPrintDialog*>(window);
                seen.offersFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                ASSERT_TRUE(printers && file);
                for (int i = 0; i < printers->count(); ++i)
                    seen.destinations << printers->itemText(i);
                seen.shown = printers->currentText();
                if (pdf.empty()) {
                    dialog->reject();
                    return;
                }
                printers->setCurrentIndex(printers->findText(kToFile));
                file->setText(QString::fromStdString(pdf));
                dialog->accept();
            }};
}

} // namespace

TEST(PrintDialog, OffersPrintingToAPdfFileShownFirstWithoutAPrinter)
{
    testsupport::TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    platform::PrintRequest request{&printer};
    Seen seen;
    bool printed = false;
    {
        testsupport::ModalSteps user({LookAndPrintTo(seen, folder / "bid.pdf")});
        printed = platform::QtModalServices().PrintDialog(request);
        EXPECT_TRUE(user.AllDone());
    }
    EXPECT_TRUE(seen.offersFile);
    EXPECT_TRUE(seen.destinations.contains(kToFile)) << seen.destinations.join(", ").toStdString();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(seen.shown, kToFile);
    }
    ASSERT_TRUE(printed);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName().toStdString(), folder / "bid.pdf");
}

TEST(PrintDialog, APageRangeIsOfferedAlongsideTheFileAndCancelPrintsNothing)
{
    QPrinter printer(QPrinter::HighResolution);
    platform::PrintRequest request{&printer};
    request.pageNumbers = true;
    request.maxPage = 4;
    bool rangeOffered = false;
    Seen seen;
    testsupport::ModalStep look = LookAndPrintTo(seen, "");
    testsupport::ModalSteps user({{look.isFor, [&](QWidget* window) {
                                       rangeOffered = qobject_cast<QPrintDialog*>(window)->testOption(
                                           QAbstractPrintDialog::PrintPageRange);
                                       look.act(window);
                                   }}});
    EXPECT_FALSE(platform::QtModalServices().PrintDialog(request));
    EXPECT_TRUE(user.AllDone());
    EXPECT_TRUE(rangeOffered);
    EXPECT_TRUE(seen.offersFile);
}
