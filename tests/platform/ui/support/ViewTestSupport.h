#pragma once

// A document, views and a frame that record what the framework asks of them.
#include "platform/ui/draw/DC.h"
#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/FrameWnd.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/controls/StatusBar.h"
#include "platform/ui/controls/ToolBar.h"
#include "platform/ui/docview/View.h"

#include <QApplication>
#include <string>
#include <vector>

namespace viewtest {

inline std::vector<std::string>& Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

inline void ProcessEvents()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

class NoteDoc : public CDocument {
    DECLARE_DYNCREATE(NoteDoc)
    DECLARE_MESSAGE_MAP()
public:
    void OnDocCommand() { Calls().push_back("doc"); }
};

// Prints `pages` pages (0: an unknown count), drawing its page number as text.
class NoteView : public CView {
    DECLARE_DYNCREATE(NoteView)
    DECLARE_MESSAGE_MAP()
public:
    ~NoteView() override { ++destroyed; }
    static inline int destroyed = 0;
    static inline UINT pages = 2;

    std::vector<LPARAM> hints;
    std::vector<CView*> senders;
    int initialUpdates = 0;
    std::vector<CRect> drawAreas;

    void OnDraw(CDC* dc) override { dc->TextOut(10, 10, "view"); }
    void OnInitialUpdate() override { ++initialUpdates; CView::OnInitialUpdate(); }
    void OnUpdate(CView* sender, LPARAM hint, void*) override
    {
        hints.push_back(hint);
        senders.push_back(sender);
    }
    bool OnPreparePrinting(CPrintInfo* info) override
    {
        Calls().push_back("prepare");
        if (pages)
            info->SetMaxPage(pages);
        return DoPreparePrinting(info);
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override { Calls().push_back("begin"); }
    void OnPrint(CDC* dc, CPrintInfo* info) override
    {
        Calls().push_back("print " + std::to_string(info->m_nCurPage));
        drawAreas.push_back(info->m_rectDraw);
        dc->TextOut(100, 100, "Page " + std::to_string(info->m_nCurPage));
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { Calls().push_back("end"); }
    void OnViewCommand() { Calls().push_back("view"); }
};

class OtherView : public NoteView {
    DECLARE_DYNCREATE(OtherView)
};

class NoteFrame : public CFrameWnd {
    DECLARE_DYNCREATE(NoteFrame)
    DECLARE_MESSAGE_MAP()
public:
    CToolBar toolBar;
    CStatusBar statusBar;
    std::vector<std::vector<std::string>> drops;
    int OnCreate(CREATESTRUCT* create) override;
    void OnDropFiles(const std::vector<std::string>& paths) override { drops.push_back(paths); }
    void OnFrameCommand() { Calls().push_back("frame"); }
};

} // namespace viewtest
