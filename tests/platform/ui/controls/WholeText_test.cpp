// The width at which a label or a one-line edit shows its whole text, as Qt lays them out, and
// controls widened to it (never narrowed).
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/controls/WholeText.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr const char* kFigure = "EUR 10,000,000,000.00";

// Where its cursor stands tells whether it scrolled its text.
struct LineEdit : QLineEdit {
    using QLineEdit::QLineEdit;
    using QLineEdit::cursorRect;
};

} // namespace

TEST(WholeText, ALabelNeedsWhatQtAsksForItsTextOnOneLine)
{
    for (const bool framed : {false, true})
        for (const Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter}) {
            QLabel label(kFigure);
            label.setFrameStyle(framed ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
            label.setAlignment(alignment | Qt::AlignVCenter);
            label.resize(40, 20);
            EXPECT_EQ(platform::WholeTextWidth(label), label.sizeHint().width()) << framed << " " << alignment;
        }
}

// Shown at that width, a line edit keeps its text unscrolled with the cursor at its end; a pixel
// narrower, it scrolls the text's start out of sight.
TEST(WholeText, ALineEditAtThatWidthShowsItsTextUnscrolled)
{
    LineEdit edit(kFigure);
    const int whole = platform::WholeTextWidth(edit);
    const auto cursorAtEnd = [&edit](int width) {
        edit.resize(width, 24);
        edit.show();
        (void)QTest::qWaitForWindowExposed(&edit);
        edit.home(false);
        edit.end(false);
        edit.repaint(); // the scroll is worked out as it paints
        return edit.cursorRect().center().x();
    };
    const int unscrolled = cursorAtEnd(whole + 50);
    EXPECT_EQ(cursorAtEnd(whole), unscrolled);
    EXPECT_LT(cursorAtEnd(whole - 1), unscrolled);
}

TEST(WholeText, AControlIsWidenedKeepingItsLeftEdgeAndNeverNarrowed)
{
    CWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "form", WS_VISIBLE, CRect(0, 0, 600, 200), nullptr, 0));
    CStatic box;
    ASSERT_TRUE(box.Create(nullptr, "$1.00", WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_SUNKEN, CRect(30, 10, 130, 30), &parent, 1));
    WidenToWholeText(box);
    CRect rect;
    box.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(30, 10, 130, 30));

    box.SetWindowText(kFigure);
    WidenToWholeText(box);
    box.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.Width(), WholeTextWidth(box));
    EXPECT_GT(rect.Width(), 100);
    parent.DestroyWindow();
}
