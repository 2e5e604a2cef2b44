#pragma once

// The state of one print or preview job, shared by the view's print handlers and the driver.
#include "platform/ui/window/Geometry.h"

#include <memory>

class QPrinter;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // An unknown last page (the default) prints the first page only, unless OnPrepareDC keeps
    // m_bContinuePrinting set.
    static constexpr UINT kUnknownPage = 0xFFFF;

    void SetMinPage(UINT page) { m_minPage = page; }
    void SetMaxPage(UINT page) { m_maxPage = page; }
    UINT GetMinPage() const { return m_minPage; }
    UINT GetMaxPage() const { return m_maxPage; }
    UINT GetFromPage() const { return m_fromPage; }
    UINT GetToPage() const { return m_toPage; }
    void SetPageRange(UINT from, UINT to) { m_fromPage = from; m_toPage = to; }

    // The device of the job; the print dialog sets it up, a preview only measures with it.
    QPrinter* GetPrinter() const { return m_printer.get(); }

    bool m_bDirect = false;  // print on the default printer without asking
    bool m_bPreview = false; // drawing for the preview window
    bool m_bContinuePrinting = true;
    UINT m_nCurPage = 1;
    CRect m_rectDraw;        // the printable area of the page, in device units
    void* m_lpUserData = nullptr;

private:
    std::unique_ptr<QPrinter> m_printer;
    UINT m_minPage = 1;
    UINT m_maxPage = kUnknownPage;
    UINT m_fromPage = 1;
    UINT m_toPage = kUnknownPage;
};
