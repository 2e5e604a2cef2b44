#include "platform/ui/docview/Document.h"

#include "platform/core/Paths.h"
#include "platform/core/SaveBlock.h"
#include "platform/ui/docview/DocTemplate.h"
#include "platform/ui/docview/FrameworkIds.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/docview/WinApp.h"
#include "platform/ui/window/PathText.h"

#include <algorithm>

IMPLEMENT_DYNCREATE_ROOT(CDocument)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
END_MESSAGE_MAP()

namespace {

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CDocument::~CDocument()
{
    for (platform::DocumentView* view : m_views)
        view->OnDocumentAttached(nullptr);
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_path.clear();
    SetTitle("Untitled");
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string&)
{
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::string&)
{
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument()
{
    DeleteContents();
    SetModifiedFlag(false);
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const std::string name = m_title.empty() ? "Untitled" : m_title;
    switch (AfxMessageBox("Save changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL: return false;
    case IDYES: return DoFileSave();
    default: return true;
    }
}

bool CDocument::DoFileSave()
{
    // A file that may not be replaced is saved under a new name, as a new one is; a folder that
    // cannot be written is less plain to see, so the user is told first.
    const platform::SaveBlock block = m_path.empty() ? platform::SaveBlock::kNone : platform::FindSaveBlock(m_path);
    if (block == platform::SaveBlock::kReadOnlyFolder)
        AfxMessageBox(platform::PathForDisplay(platform::SaveBlockText(block, m_path)), MB_ICONEXCLAMATION);
    return DoSave(block == platform::SaveBlock::kNone ? m_path : std::string());
}

bool CDocument::DoSave(const std::string& path, bool replace)
{
    std::string target = path;
    if (target.empty()) {
        platform::FileDialogRequest request;
        request.open = false;
        request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
        request.initialName = m_path.empty() ? m_title : m_path;
        if (m_pDocTemplate) {
            request.filter = m_pDocTemplate->GetSaveFilter();
            request.defaultExtension = m_pDocTemplate->GetDocString(CDocTemplate::filterExt);
        }
        const auto chosen = platform::Modal().FileDialog(request);
        if (!chosen || chosen->path.empty())
            return false;
        target = chosen->path;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

void CDocument::UpdateAllViews(platform::DocumentView* sender, LPARAM hint, void* hintObject)
{
    // A view may close others while it updates; walk a copy and skip the ones gone.
    const std::vector<platform::DocumentView*> views = m_views;
    for (platform::DocumentView* view : views)
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnDocumentUpdate(sender, hint, hintObject);
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUIUpdate();
}

void CDocument::AddView(platform::DocumentView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
        view->OnDocumentAttached(this);
    }
}

void CDocument::RemoveView(platform::DocumentView* view)
{
    const auto found = std::find(m_views.begin(), m_views.end(), view);
    if (found == m_views.end())
        return;
    m_views.erase(found);
    view->OnDocumentAttached(nullptr);
}

void CDocument::SetPathName(const std::string& path, bool addToRecentFiles)
{
    // From the root: the file is the same one whatever the current folder later is.
    m_path = platform::AbsolutePath(path);
    // The title is program text: the file system's bytes go through the one crossing.
    SetTitle(platform::PathForDisplay(FileNameOf(m_path)));
    if (addToRecentFiles)
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_path);
}

void CDocument::SetTitle(const std::string& title)
{
    m_title = title;
    if (CWinApp* app = AfxGetApp())
        app->OnDocumentTitleChanged(this);
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(std::string());
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}
