#pragma once

#include "platform/ui/dialogs/Dialog.h"
#include "platform/ui/draw/DC.h"

// The credits: lines of text scrolling up over a gradient from black to blue. They close by
// themselves at the fourth wrap of the text, or with OK at any time.
class CShowCrd : public CDialog {
public:
    static constexpr UINT IDD = 210;
    static constexpr UINT_PTR kTimerId = 98;
    static constexpr UINT kIntervalMs = 55;
    // The credits close at the wrap of the text that follows this many.
    static constexpr int kMaxPasses = 3;

    explicit CShowCrd(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    bool OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    bool OnEraseBkgnd(CDC* dc) override;
    void OnDestroy() override;
    // WM_CLOSE ends the dialog as Cancel does.
    void OnClose() override { OnCancel(); }

    int GetOffset() const { return m_iOffset; }
    int GetPasses() const { return m_iPasses; }

private:
    void DrawLines(CDC& dc);

    CFont m_fonts[2]; // by style
    CBitmap m_background;
    CBitmap m_surface;
    CDC m_backgroundDC;
    CDC m_surfaceDC;
    CRect m_rcClient;
    int m_iLineHeight = 0;
    int m_iOffset = 0;
    int m_iStep = 1;
    int m_iTotalHeight = 0;
    int m_iPasses = 0;
    UINT_PTR m_uTimer = 0;
};
