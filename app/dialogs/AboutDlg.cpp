#include "app/dialogs/AboutDlg.h"

#include "app/dialogs/ShowCrd.h"
#include "app/startup/SplashPicture.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/draw/DC.h"
#include "platform/ui/window/VirtualKeys.h"

namespace {

// "Arial Bold", 12 points at the usual resolution.
constexpr int kReleaseFontPixels = 16;
constexpr int kReleaseX = 315;
constexpr int kReleaseY = 20;

} // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_CREDITS, OnCredits)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD, parent), m_strVersion(FormatVersionString(-1)) {}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateSplashBitmap(m_bitmap, m_strVersion);
    CenterWindow();
    return true;
}

void CAboutDlg::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(&m_bitmap);
    const CSize size = m_bitmap.GetSize();
    dc.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);

    CFont font;
    font.CreateFont(-kReleaseFontPixels, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    // Over the picture's dark sky.
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(kReleaseX, kReleaseY, "Release " + m_strVersion);
    dc.SelectObject(oldFont);
}

void CAboutDlg::OnOK()
{
    if (GetKeyState(VK_SHIFT) < 0)
        OnCredits();
    else
        CDialog::OnOK();
}

void CAboutDlg::OnCredits()
{
    CShowCrd credits(this);
    credits.DoModal();
}
