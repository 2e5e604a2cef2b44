#include "app/forms/SummaryBlock.h"

#include "app/forms/FormLayout.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Static.h"

#include <algorithm>

namespace {

// Vertically centred, so labels and boxes of a row read on one line.
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_CENTERIMAGE;

int RowStep(int cy)
{
    return cy * 7 / 4;
}

template <class Visit>
void ForEachText(const std::vector<SummaryRow>& rows, Visit visit)
{
    for (const SummaryRow& row : rows)
        for (const SummaryText& text : row.texts)
            visit(text);
}

} // namespace

void BuildSummaryBlock(CWnd* window, CreatedWindows& created, CFont* font, int cx, int cy,
                       const std::vector<SummaryRow>& rows)
{
    const int margin = FormMargin();
    auto frame = std::make_unique<CButton>();
    frame->Create(nullptr, "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(margin, 0, 100, cy), window, kSummaryFrameId);
    CButton* frameWindow = frame.get();
    created.push_back(std::move(frame));
    int y = 0;
    int framedBottom = cy;
    for (const SummaryRow& row : rows) {
        y += row.stepsDown * RowStep(cy);
        int x = margin + row.indentChars * cx;
        for (const SummaryText& text : row.texts) {
            const CRect place(x, y, x + cx * text.widthChars, y + cy * 3 / 2);
            auto label = std::make_unique<CStatic>();
            label->Create(nullptr, text.text ? text.text : "", kTextStyle | text.style, place, window, text.id);
            label->SetFont(font, false);
            created.push_back(std::move(label));
            x += cx * text.widthChars + cx / 2;
        }
        if (row.framed)
            framedBottom = y + cy * 3 / 2 + cy / 2;
    }
    // The frame holds the rows that belong to it.
    frameWindow->MoveWindow(margin, 0, 100 - margin, framedBottom);
}

void LayoutSummaryBlock(CWnd* window, const std::vector<SummaryRow>& rows, UINT anchorId, int top,
                        int minWidth, int contentWidth)
{
    CWnd* frame = window->GetDlgItem(kSummaryFrameId);
    CWnd* anchor = window->GetDlgItem(anchorId);
    if (!frame || !anchor)
        return;
    const int margin = FormMargin();
    const int width = std::max(minWidth, contentWidth + margin);
    const CRect frameRect = ControlRect(window, frame);
    const int dy = top == -1 ? 0 : top - frameRect.top;
    frame->MoveWindow(frameRect.left, frameRect.top + dy, std::max(1, width - margin - int(frameRect.left)),
                      frameRect.Height());
    const int dx = width / 2 - ControlRect(window, anchor).right;
    ForEachText(rows, [&](const SummaryText& text) { MoveControl(window, window->GetDlgItem(text.id), dx, dy); });
}

int SummaryBlockBottom(CWnd* window, const std::vector<SummaryRow>& rows)
{
    if (!window->GetDlgItem(kSummaryFrameId))
        return 0;
    int bottom = 0;
    ForEachText(rows, [&](const SummaryText& text) {
        if (CWnd* control = window->GetDlgItem(text.id); control && (control->GetStyle() & WS_VISIBLE))
            bottom = std::max(bottom, int(ControlRect(window, control).bottom));
    });
    return bottom;
}

int SummaryBlockHeight(CWnd* window, const std::vector<SummaryRow>& rows)
{
    CWnd* frame = window->GetDlgItem(kSummaryFrameId);
    return frame ? SummaryBlockBottom(window, rows) - ControlRect(window, frame).top : 0;
}
