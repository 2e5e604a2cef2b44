#pragma once

// The program started on a copy of the sample with its forms at hand: the view the right pane
// shows, its controls by id, and real keys and clicks to drive them.
#include "platform/ui/controls/ComboBox.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDir>
#include <QImage>
#include <QTest>

class FormsTest : public ShellTest {
protected:
    static constexpr UINT kField = 5000;

    // The sample opened in tree mode, the window at a fixed size; with the "Templates" switch
    // the report template sections are nodes of the tree. A bidder ID the firm lists hold makes
    // the bidder a certified firm.
    void OpenSample(bool templates = false, const char* bidderId = nullptr)
    {
        Store("WindowMetrics", "GridMode", "0");
        Store("WindowMetrics", "SplitterPos", "300");
        if (Stored("Misc", "AutoLoad") != "0") // the amendments beside it are read and reported
            AnswerAmendmentReport();
        if (bidderId)
            AnswerBidderId(bidderId);
        else
            AnswerBidderId();
        if (templates)
            StartOn(InLetting("sample.tvb"), {"/Templates"});
        else
            StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
        Frame().MoveWindow(0, 0, 1100, 760);
        Settle();
    }

    CView* RightView() const { return Frame().GetSplitter().GetRightView(); }
    template <class View>
    View& Shown() const
    {
        auto* view = dynamic_cast<View*>(RightView());
        EXPECT_NE(view, nullptr);
        return *view;
    }
    bool Select(NodeRef node) const
    {
        const bool selected = Tree().SelectNode(node);
        Settle();
        return selected;
    }
    CWnd* Control(UINT id) const { return RightView() ? RightView()->GetDlgItem(id) : nullptr; }

    // The right pane as the bidder sees it, compared with its reference picture.
    // ZOD_WRITE_PICTURES=<folder> keeps the picture drawn, to look at or to take as the reference.
    ::testing::AssertionResult LooksAsReference(const std::string& name) const
    {
        return LooksAsReference(name, RightView());
    }
    ::testing::AssertionResult LooksAsReference(const std::string& name, CWnd* window) const
    {
        Settle();
        const QImage picture = window->GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file = QString::fromStdString("forms19-" + name + ".png");
        if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
            picture.save(QDir(folder).filePath(file));
        return testsupport::MatchesPicture(picture, QImage(QString(ZOD_FIXTURES) + "/pictures/" + file));
    }

    static void Type(CWnd* control, const char* text)
    {
        QTest::mouseClick(control->GetWidget(), Qt::LeftButton);
        QTest::keyClick(control->GetWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control->GetWidget(), text);
    }
    static void Click(CWnd* control) { QTest::mouseClick(control->GetWidget(), Qt::LeftButton); }
};
