#pragma once

// The few calls the document, its template and the application make on views and frames.
// Views and frames implement them; keeping them apart lets the document side stand alone.
#include "platform/ui/window/WinTypes.h"

class CDocument;
struct CRuntimeClass;

namespace platform {

class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual void OnDocumentUpdate(DocumentView* sender, LPARAM hint, void* hintObject) = 0;
    virtual void OnDocumentAttached(CDocument* document) = 0; // null when detached
};

class MainFrameLink {
public:
    virtual ~MainFrameLink() = default;
    // Makes the window with its menu, bars and first view of the given class for the document.
    virtual bool LoadFrame(UINT resourceId, CDocument* document, const CRuntimeClass* viewClass) = 0;
    // Runs the views' initial update and shows the frame.
    virtual void InitialUpdateFrame(CDocument* document, bool makeVisible) = 0;
    virtual void UpdateCommandUI() = 0;
    virtual void OnUpdateFrameTitle(bool addToTitle) = 0;
    virtual bool SendCommand(UINT id) = 0; // routed like a menu command; true when handled
    virtual void DestroyFrame() = 0;
};

} // namespace platform
