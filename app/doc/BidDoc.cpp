#include "app/doc/BidDoc.h"

#include "app/startup/BidApp.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/window/Wnd.h"

IMPLEMENT_DYNCREATE(CBidDoc, CDocument)

std::string& LastProposalPath()
{
    static std::string path;
    return path;
}

CBidDoc* GetMainDocument()
{
    CWinApp* app = AfxGetApp();
    CSingleDocTemplate* docTemplate = app ? app->GetDocTemplate() : nullptr;
    return docTemplate ? dynamic_cast<CBidDoc*>(docTemplate->GetDocument()) : nullptr;
}

CBidDoc::CBidDoc()
{
    if (const CBidApp* app = GetBidApp())
        m_iGridMode = app->m_iGridMode;
}

CBidDoc::~CBidDoc() = default;

bool CBidDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    m_pProp.reset();
    return true;
}

bool CBidDoc::OnOpenDocument(const std::string&)
{
    return true;
}

void CBidDoc::DeleteContents()
{
    if (!m_pProp)
        return;
    m_pProp.reset();
    LastProposalPath().clear();
}

void CBidDoc::SetProp(std::unique_ptr<CProp> prop)
{
    m_pProp = std::move(prop);
}

bool CBidDoc::SaveModified()
{
    if (CWnd* main = AfxGetMainWnd())
        main->SetFocus();
    return CDocument::SaveModified();
}

bool CBidDoc::TestFlag(int bit) const
{
    return TestFlagBit(m_wFlags, bit) != 0;
}

void CBidDoc::ChangeFlag(int bit, int operation)
{
    ChangeFlagBit(&m_wFlags, bit, operation);
}
