#pragma once

#include "platform/ui/docview/CmdTarget.h"
#include "platform/ui/docview/FrameworkLinks.h"
#include "platform/ui/docview/RuntimeClass.h"

#include <string>
#include <vector>

class CDocTemplate;

// A document: the data one frame shows through its views. The modified flag drives the save
// prompt; UpdateAllViews tells every view (but the sender) what changed.
class CDocument : public CCmdTarget, public CRuntimeObject {
    DECLARE_DYNCREATE(CDocument)
    DECLARE_MESSAGE_MAP()
public:
    CDocument() = default;
    ~CDocument() override;

    virtual bool OnNewDocument();
    // The documents of this program read their files themselves; the base only starts afresh.
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    // Asks "Save changes to <title>?" when modified; false when the user cancelled or the save failed.
    virtual bool SaveModified();
    virtual bool IsModified() { return m_modified; }
    virtual void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    bool DoSave(const std::string& path, bool replace = true); // "" asks for a name
    bool DoFileSave();

    void UpdateAllViews(platform::DocumentView* sender, LPARAM hint = 0, void* hintObject = nullptr);

    void AddView(platform::DocumentView* view);
    void RemoveView(platform::DocumentView* view);
    const std::vector<platform::DocumentView*>& GetViews() const { return m_views; }

    const std::string& GetPathName() const { return m_path; }
    // Kept from the root, a relative path as the current folder makes it.
    virtual void SetPathName(const std::string& path, bool addToRecentFiles = true);
    const std::string& GetTitle() const { return m_title; }
    virtual void SetTitle(const std::string& title);

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    void SetDocTemplate(CDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }

protected:
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

private:
    bool m_modified = false;
    std::string m_path;
    std::string m_title;
    std::vector<platform::DocumentView*> m_views;
    CDocTemplate* m_pDocTemplate = nullptr;
};
