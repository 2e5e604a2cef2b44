#include "platform/ui/print/PrintSetupDialog.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/print/Paper.h"
#include "platform/ui/window/WinText.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

using namespace dlg;

constexpr DWORD kDropList = CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogItemTemplate kItems[] = {
    GroupBox("Printer", 0, 7, 4, 266, 34),
    LText("&Name:", 0, 15, 20, 32, 8),
    ComboBox(CPrintSetupDialog::IDC_PRINTER_NAME, 50, 18, 215, 100, kDropList),
    GroupBox("Paper", 0, 7, 42, 160, 42),
    LText("Si&ze:", 0, 15, 60, 32, 8),
    ComboBox(CPrintSetupDialog::IDC_PAPER_SIZE, 50, 58, 110, 100, kDropList),
    GroupBox("Orientation", 0, 173, 42, 100, 42),
    AutoRadioButton("P&ortrait", CPrintSetupDialog::IDC_PORTRAIT, 181, 55, 84, 10, WS_GROUP | WS_TABSTOP),
    AutoRadioButton("L&andscape", CPrintSetupDialog::IDC_LANDSCAPE, 181, 68, 84, 10),
    DefPushButton("OK", IDOK, 169, 90, 50, 14, WS_GROUP),
    PushButton("Cancel", IDCANCEL, 223, 90, 50, 14),
};
const DialogTemplate kPrintSetup{CPrintSetupDialog::IDD, "Print Setup", 280, 110, "MS Sans Serif", 8, kItems,
                                 std::size(kItems)};
const platform::ResourceRegistration<DialogTemplate> kRegistration(kPrintSetup);

template <typename Control>
Control* Find(const CWnd& dialog, UINT id)
{
    return dynamic_cast<Control*>(dialog.GetDlgItem(id));
}

} // namespace

BEGIN_MESSAGE_MAP(CPrintSetupDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_PRINTER_NAME, OnPrinterChange)
END_MESSAGE_MAP()

CPrintSetupDialog::CPrintSetupDialog(QPrinter& printer, CWnd* parent)
    : CDialog(IDD, parent), m_printer(printer), m_printers(QPrinterInfo::availablePrinterNames())
{
    m_printers.append(QString()); // the PDF file, last as in the print dialog
}

bool CPrintSetupDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* printers = Find<CComboBox>(*this, IDC_PRINTER_NAME);
    if (!printers)
        return true;
    for (const QString& name : m_printers)
        printers->AddString(name.isEmpty() ? kPdfPrinter : platform::FromQString(name));
    const bool pdf = m_printer.outputFormat() == QPrinter::PdfFormat;
    printers->SetCurSel(int(m_printers.indexOf(pdf ? QString() : m_printer.printerName())));
    if (printers->GetCurSel() < 0)
        printers->SetCurSel(int(m_printers.size()) - 1);
    const QPageLayout layout = m_printer.pageLayout();
    ShowPapers(layout.pageSize());
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    if (auto* button = Find<CButton>(*this, landscape ? IDC_LANDSCAPE : IDC_PORTRAIT))
        button->SetCheck(BST_CHECKED);
    return true;
}

QString CPrintSetupDialog::ChosenPrinter() const
{
    const auto* printers = Find<CComboBox>(*this, IDC_PRINTER_NAME);
    const int index = printers ? printers->GetCurSel() : -1;
    return index >= 0 && index < m_printers.size() ? m_printers[index] : QString();
}

void CPrintSetupDialog::ShowPapers(const QPageSize& wanted)
{
    auto* sizes = Find<CComboBox>(*this, IDC_PAPER_SIZE);
    if (!sizes)
        return;
    const QPageLayout layout = m_printer.pageLayout();
    const QString printer = ChosenPrinter();
    m_papers = platform::PaperChoices(printer, layout.margins(), layout.units());
    sizes->ResetContent();
    for (const QPageSize& paper : m_papers)
        sizes->AddString(platform::FromQString(paper.name()));
    // The paper in use first, else the printer's own (the system's for a PDF file).
    const QPageSize fallback = printer.isEmpty() ? platform::SystemPaper(layout.margins(), layout.units())
                                                 : QPrinterInfo::printerInfo(printer).defaultPageSize();
    for (const QPageSize& chosen : {wanted, fallback}) {
        const auto at = std::find_if(m_papers.begin(), m_papers.end(),
                                     [&](const QPageSize& paper) { return paper.isEquivalentTo(chosen); });
        if (at != m_papers.end()) {
            sizes->SetCurSel(int(at - m_papers.begin()));
            return;
        }
    }
    sizes->SetCurSel(m_papers.empty() ? -1 : 0);
}

void CPrintSetupDialog::OnPrinterChange()
{
    const auto* sizes = Find<CComboBox>(*this, IDC_PAPER_SIZE);
    const int shown = sizes ? sizes->GetCurSel() : -1;
    ShowPapers(shown >= 0 && std::size_t(shown) < m_papers.size() ? m_papers[std::size_t(shown)] : QPageSize());
}

void CPrintSetupDialog::OnOK()
{
    const QString printer = ChosenPrinter();
    if (printer.isEmpty()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_printer.setOutputFormat(QPrinter::NativeFormat);
        m_printer.setPrinterName(printer);
    }
    const auto* sizes = Find<CComboBox>(*this, IDC_PAPER_SIZE);
    if (const int paper = sizes ? sizes->GetCurSel() : -1; paper >= 0 && std::size_t(paper) < m_papers.size())
        m_printer.setPageSize(m_papers[std::size_t(paper)]);
    const auto* landscape = Find<CButton>(*this, IDC_LANDSCAPE);
    m_printer.setPageOrientation(landscape && landscape->GetCheck() == BST_CHECKED ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    CDialog::OnOK();
}
