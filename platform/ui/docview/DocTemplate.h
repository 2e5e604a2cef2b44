#pragma once

#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/docview/FrameworkLinks.h"

#include <memory>
#include <string>

class CDocument;
struct CRuntimeClass;

// Makes the document, its frame and the frame's first view from their classes. This program has
// one document at a time: opening another reuses the document and its frame.
class CDocTemplate : public CCmdTarget {
public:
    // Fields of the document string: "Zod\n\nBid\nProposal Files (*.tvb)\n.tvb\nBid.Document\n...".
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId,
                          regFileTypeName };

    CDocTemplate(UINT resourceId, std::string docString, const CRuntimeClass* documentClass,
                 const CRuntimeClass* frameClass, const CRuntimeClass* viewClass);
    ~CDocTemplate() override;

    std::string GetDocString(DocStringIndex index) const;
    // "Proposal Files (*.tvb)|*.tvb|All Files (*.*)|*.*||"
    std::string GetSaveFilter() const;

    UINT GetResourceId() const { return m_resourceId; }
    const CRuntimeClass* GetViewClass() const { return m_viewClass; }

protected:
    UINT m_resourceId;
    std::string m_docString;
    const CRuntimeClass* m_documentClass;
    const CRuntimeClass* m_frameClass;
    const CRuntimeClass* m_viewClass;
};

class CSingleDocTemplate : public CDocTemplate {
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;

    // Empty path: a new document. Null when the document or its frame could not be made or the
    // user kept the modified document open.
    CDocument* OpenDocumentFile(const std::string& path, bool makeVisible = true);
    CDocument* GetDocument() const { return m_document; }
    platform::MainFrameLink* GetFrame() const { return m_frame; }

    // Closes the document and destroys its frame (at the end of the program).
    void CloseAllDocuments();

private:
    bool CreateDocumentAndFrame();

    CDocument* m_document = nullptr;
    platform::MainFrameLink* m_frame = nullptr;
};
