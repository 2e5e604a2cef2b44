#pragma once

// The sample opened for printing, and the real print dialogs worked as a bidder works them.
#include "platform/ui/print/PrintSetupDialog.h"
#include "platform/ui/print/PrinterSetup.h"
#include "tests/app/MenuKeys.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/ModalSteps.h"
#include "tests/support/PdfPages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>

class PrintTest : public ShellTest {
protected:
    // Print Setup is kept for the session: each test starts without one.
    ~PrintTest() override { platform::ForgetPrinterSetup(); }

    // The sample opened, printing asking neither to save nor to check first.
    void OpenSampleToPrint()
    {
        Store("Misc", "PrintSave", "0");
        Store("Misc", "PrintCheck", "0");
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
    }
};

namespace printsteps {

// Qt's print dialog: "Print to File (PDF)" into that file, `more` done in it before OK.
inline testsupport::ModalStep PrintToPdf(const std::string& pdf, std::function<void(QPrintDialog&)> more = {})
{
    return {testsupport::OfClass<QPrintDialog>(), [pdf, more](QWidget* window) {
                auto* dialog = qobject_cast<QPrintDialog*>(window);
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                ASSERT_NE(printers, nullptr);
                printers->setCurrentIndex(printers->findText(CPrintSetupDialog::kPdfPrinter));
                dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(QString::fromStdString(pdf));
                if (more)
                    more(*dialog);
                dialog->accept();
            }};
}

// Print Setup by keys: the PDF file, the paper whose name begins so typed into its list, which
// way up, OK. `shown` keeps the paper the dialog offered first.
inline testsupport::ModalStep SetUpPaper(const char* paper, bool landscape, QString* shown = nullptr)
{
    return {testsupport::Titled("Print Setup"), [=](QWidget* window) {
                ASSERT_TRUE(testsupport::Activate(window));
                QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
                QTest::keyClicks(QApplication::focusWidget(), "Print"); // a space would drop the list down
                QTest::keyClick(window, Qt::Key_Z, Qt::AltModifier);
                auto* sizes = qobject_cast<QComboBox*>(QApplication::focusWidget());
                ASSERT_NE(sizes, nullptr);
                if (shown)
                    *shown = sizes->currentText();
                QTest::keyClicks(sizes, paper);
                QTest::keyClick(window, landscape ? Qt::Key_A : Qt::Key_O, Qt::AltModifier);
                // A button's letter clicks it a moment later.
                EXPECT_TRUE(QTest::qWaitFor([] {
                    auto* way = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
                    return way && way->isChecked();
                }));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }};
}

// A message box: its text kept, OK.
inline testsupport::ModalStep Told(QString& text)
{
    return {testsupport::OfClass<QMessageBox>(), [&text](QWidget* box) {
                text = qobject_cast<QMessageBox*>(box)->text();
                QTest::keyClick(box, Qt::Key_Return);
            }};
}

} // namespace printsteps
