#include "platform/ui/docview/DocTemplate.h"

#include "platform/ui/docview/Document.h"
#include "platform/ui/docview/RuntimeClass.h"
#include "platform/ui/docview/WinApp.h"

CDocTemplate::CDocTemplate(UINT resourceId, std::string docString,
                           const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_resourceId(resourceId), m_docString(std::move(docString)),
      m_documentClass(documentClass), m_frameClass(frameClass), m_viewClass(viewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

std::string CDocTemplate::GetDocString(DocStringIndex index) const
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = m_docString.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return m_docString.substr(start, m_docString.find('\n', start) - start);
}

std::string CDocTemplate::GetSaveFilter() const
{
    const std::string name = GetDocString(filterName);
    std::string extension = GetDocString(filterExt);
    std::string filter;
    if (!name.empty() && !extension.empty())
        filter = name + "|*" + extension + "|";
    return filter + "All Files (*.*)|*.*||";
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CloseAllDocuments();
}

bool CSingleDocTemplate::CreateDocumentAndFrame()
{
    std::unique_ptr<CCmdTarget> document(m_documentClass ? m_documentClass->CreateObject() : nullptr);
    std::unique_ptr<CCmdTarget> frame(m_frameClass ? m_frameClass->CreateObject() : nullptr);
    auto* doc = dynamic_cast<CDocument*>(document.get());
    auto* link = dynamic_cast<platform::MainFrameLink*>(frame.get());
    if (!doc || !link)
        return false;
    doc->SetDocTemplate(this);
    // From here the frame deletes itself when its window is destroyed (DestroyFrame).
    frame.release();
    if (!link->LoadFrame(m_resourceId, doc, m_viewClass)) {
        link->DestroyFrame();
        return false;
    }
    m_document = doc;
    document.release();
    m_frame = link;
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    const bool created = !m_document;
    if (created) {
        if (!CreateDocumentAndFrame())
            return nullptr;
    } else if (!m_document->SaveModified()) {
        return nullptr;
    }
    const bool opened = path.empty() ? m_document->OnNewDocument()
                                     : m_document->OnOpenDocument(path);
    if (!opened) {
        // A new frame without its document is of no use; an old one keeps what it shows.
        if (created)
            CloseAllDocuments();
        return nullptr;
    }
    if (!path.empty())
        m_document->SetPathName(path);
    m_frame->InitialUpdateFrame(m_document, makeVisible);
    return m_document;
}

void CSingleDocTemplate::CloseAllDocuments()
{
    if (m_document)
        m_document->OnCloseDocument();
    if (m_frame) {
        platform::MainFrameLink* frame = m_frame;
        m_frame = nullptr;
        if (CWinApp* app = AfxGetApp(); app && app->GetMainFrame() == frame)
            app->SetMainFrame(nullptr, nullptr);
        frame->DestroyFrame();
    }
    delete m_document;
    m_document = nullptr;
}
