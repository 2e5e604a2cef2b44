#pragma once

// A view: the window through which a document is shown and edited. It draws in OnDraw (on the
// screen, the printer and the preview alike), hears the document's hints in OnUpdate and takes
// commands before its document does.
#include "platform/ui/docview/FrameworkLinks.h"
#include "platform/ui/docview/RuntimeClass.h"
#include "platform/ui/window/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
class CPrintInfo;

// What the framework hands a window it creates by class: the view class and the document the
// new view joins.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};

class CView : public CWnd, public CRuntimeObject, public platform::DocumentView {
    DECLARE_DYNAMIC(CView)
    DECLARE_MESSAGE_MAP()
public:
    CView();
    ~CView() override;

    using CWnd::Create;
    // Makes the window and joins the context's document (before OnCreate runs).
    virtual bool Create(const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, CCreateContext* context);

    // Lets a view class change the style it is made with; false stops the creation.
    virtual bool PreCreateWindow(CREATESTRUCT& create) { (void)create; return true; }

    CDocument* GetDocument() const { return m_pDocument; }
    // The frame the view sits in (through splitters), or null.
    CFrameWnd* GetParentFrame() const;

    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnInitialUpdate(); // the first OnUpdate, after the document is loaded
    // The base repaints the view; sender is the view that caused the change, or null.
    virtual void OnUpdate(CView* sender, LPARAM hint, void* hintObject);
    virtual void OnActivateView(bool activate, CView* activateView, CView* deactiveView);
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);

    // The print protocol, run by the print and preview commands.
    virtual bool OnPreparePrinting(CPrintInfo* info); // false cancels the job
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info); // the base draws with OnDraw
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    // Asks for the printer (unless the job is direct or a preview); false when cancelled.
    bool DoPreparePrinting(CPrintInfo* info);

    // Own map first, then the document's.
    bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo = nullptr) override;

    void OnDocumentUpdate(platform::DocumentView* sender, LPARAM hint, void* hintObject) override;
    void OnDocumentAttached(CDocument* document) override { m_pDocument = document; }

    void OnPaint() override;
    int OnCreate(CREATESTRUCT* create) override;
    void OnDestroy() override;

protected:
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

    CDocument* m_pDocument = nullptr;

private:
    CCreateContext* m_creating = nullptr;
};
