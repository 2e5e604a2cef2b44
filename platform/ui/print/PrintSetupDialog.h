#pragma once

// File > Print Setup: where the prints go (a printer of the system, or a PDF file), on which
// paper and which way up. OK sets the printer up; nothing is printed.
#include "platform/ui/dialogs/Dialog.h"

#include <QPageSize>
#include <QStringList>

#include <vector>

class QPrinter;

class CPrintSetupDialog : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 1539;
    enum : UINT { IDC_PRINTER_NAME = 1139, IDC_PAPER_SIZE = 1137, IDC_PORTRAIT = 1056, IDC_LANDSCAPE = 1057 };
    static constexpr const char* kPdfPrinter = "Print to File (PDF)";

    explicit CPrintSetupDialog(QPrinter& printer, CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnPrinterChange();
    // The papers of the chosen printer, `wanted` chosen when it is among them.
    void ShowPapers(const QPageSize& wanted);
    QString ChosenPrinter() const; // empty for the PDF file

    QPrinter& m_printer;
    QStringList m_printers;
    std::vector<QPageSize> m_papers;
};
