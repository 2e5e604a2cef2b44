#pragma once

// The program with its main window, started on a copy of the sample letting, with the dialogs
// it shows answered by the test.
#include "app/doc/BidDoc.h"
#include "app/frame/MainFrame.h"
#include "app/tree/BidTreeView.h"
#include "app/views/NodeViews.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/Dialog.h"
#include "tests/app/AppTestSupport.h"

#include <QAbstractScrollArea>
#include <QTest>
#include <filesystem>

class ShellTest : public BidAppTest {
protected:
    static constexpr UINT kBidderIdEdit = 1042;
    static constexpr UINT kList = 1045;

    ShellTest()
    {
        Store("Misc", "ShowSplash", "0");
        // A named bidder: no first-run welcome and options sheet before the test's own dialogs.
        Store("Bidder", "Name", "Ridgeline Paving");
        std::filesystem::create_directories(Letting());
        for (const char* name : {"sample.tvb", "sample.001", "sample.002", "sample.tvl", "PLANTS.TXT", "TITLES.BIN"})
            std::filesystem::copy_file(std::string(ZOD_SAMPLES) + "/" + name, InLetting(name));
    }
    ~ShellTest() override
    {
        if (m_app)
            Stop(*m_app);
    }

    std::string Letting() const { return m_folder / "letting"; }
    std::string InLetting(const std::string& name) const { return Letting() + "/" + name; }

    // The program started on the file; the dialogs it will show are answered beforehand.
    void StartOn(const std::string& path, const std::vector<std::string>& switches = {})
    {
        bool started = false;
        std::vector<std::string> params{path};
        params.insert(params.end(), switches.begin(), switches.end());
        m_app = Start(params, &started);
        Settle();
        ASSERT_TRUE(started);
        ASSERT_NE(GetMainDocument(), nullptr);
        // The main window takes the keyboard when shown; on an X server that comes a little later.
        if (CWnd* main = m_app->m_pMainWnd; main && main->IsWindowVisible())
            (void)QTest::qWaitForWindowActive(main->GetWidget());
    }

    // The amendment report is looked at and closed; the bidder gives an ID for the agency.
    void AnswerAmendmentReport() { m_script.AnswerDialogWith(IDOK); }
    void AnswerBidderId(const std::string& id = "V0042917")
    {
        m_script.AnswerDialog([id](platform::ModalDialog& modal) {
            ASSERT_EQ(modal.ModalTitle(), "Bidder ID Not Found");
            auto& dialog = dynamic_cast<CDialog&>(modal);
            dialog.GetDlgItem(kBidderIdEdit)->SetWindowText(id);
            Click(dialog, IDOK);
        });
    }
    static void Click(CDialog& dialog, UINT id)
    {
        QTest::mouseClick(dialog.GetDlgItem(id)->GetWidget(), Qt::LeftButton);
    }

    // The sample opened with its amendments, the schedule in tree or grid mode.
    void OpenSample(bool gridMode)
    {
        Store("WindowMetrics", "GridMode", gridMode ? "1" : "0");
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
    }

    // The sample opened in a 1280 x 800 main window with the tree `treeWidth` wide, the schedule in
    // tree or grid mode; the settings are stored before the start, as a bidder's would be.
    void OpenSampleInWindow(int treeWidth, bool gridMode)
    {
        Store("WindowMetrics", "XPos", "0");
        Store("WindowMetrics", "YPos", "0");
        Store("WindowMetrics", "XSize", "1280");
        Store("WindowMetrics", "YSize", "800");
        Store("WindowMetrics", "SplitterPos", std::to_string(treeWidth));
        Store("WindowMetrics", "GridMode", gridMode ? "1" : "0");
        AnswerAmendmentReport();
        AnswerBidderId();
        StartOn(InLetting("sample.tvb"));
        ASSERT_NE(Prop(), nullptr);
        Frame().MoveWindow(0, 0, 1280, 800);
    }

    CBidDoc& Doc() const { return *GetMainDocument(); }
    CProp* Prop() const { return Doc().GetProp(); }
    CMainFrame& Frame() const { return *GetMainFrame(); }
    CBidTreeView& Tree() const { return *GetMainTreeView(); }
    CTreeCtrl& TreeCtrl() const { return Tree().GetTreeCtrl(); }

    // The node's label clicked with the mouse, as the bidder chooses it; false when it shows nowhere.
    bool ClickNode(NodeRef node) const
    {
        HTREEITEM item = Tree().FindNode(node);
        if (!item || !TreeCtrl().EnsureVisible(item))
            return false;
        auto* tree = static_cast<QAbstractScrollArea*>(TreeCtrl().GetWidget());
        QWidget* items = tree->viewport();
        for (int y = 0; y < items->height(); y += 2)
            for (int x = 0; x < items->width(); x += 4) {
                UINT where = 0;
                if (TreeCtrl().HitTest(CPoint(x, y), &where) == item && where == TVHT_ONITEMLABEL) {
                    QTest::mouseClick(items, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
                    Settle();
                    return true;
                }
            }
        return false;
    }

    // The texts of the node's children, in order.
    std::vector<std::string> ChildTexts(HTREEITEM parent) const
    {
        std::vector<std::string> texts;
        for (HTREEITEM item = TreeCtrl().GetChildItem(parent); item; item = TreeCtrl().GetNextSiblingItem(item))
            texts.push_back(TreeCtrl().GetItemText(item));
        return texts;
    }

    std::unique_ptr<CBidApp> m_app;
};
