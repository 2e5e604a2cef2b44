// Attachment fields: the file the bidder names is read into the cell; its name is shown and
// kept as the value. A name that came with the proposal is only a name: no file is read for it.
#include "app/forms/TemplateView.h"

#include "app/forms/AttachmentFile.h"
#include "model/records/Prop.h"
#include "platform/ui/dialogs/ModalServices.h"

void CDV_Template::ReleaseAttachment(CCellData& cell)
{
    if (cell.m_data.IsEmpty())
        return;
    cell.m_data.Clear();
    cell.m_strText.clear();
}

void CDV_Template::StoreAttachment(CWnd& control, CCellData& cell)
{
    const std::string path = control.GetWindowText();
    // Only a path the bidder gave is followed: the name the cell holds is never read again.
    if (path == cell.m_strText)
        return;
    if (path.empty()) {
        MarkModified();
        ReleaseAttachment(cell);
        cell.m_strText.clear();
        RefreshTemplateView(GetTemplate());
        return;
    }
    TakeAttachment(control, cell, path);
}

void CDV_Template::TakeAttachment(CWnd& control, CCellData& cell, const std::string& path)
{
    CProp& prop = *GetProp();
    AttachmentRead read = ReadAttachment(path, prop.m_iMaxAttachmentSize, HeldAttachmentKilobytes(prop, &cell),
                                         prop.m_iMaxTotalAttachmentSize);
    if (read.result != AttachmentResult::Read) {
        // The file attached before stays, under its own name.
        control.SetWindowText(cell.m_strText);
        AfxMessageBox(AttachmentRefusal(read.result, prop), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    MarkModified();
    cell.m_data.Assign(std::move(read.bytes));
    cell.m_strText2.clear();
    cell.m_strText = path;
    control.SetWindowText(path);
    RefreshTemplateView(GetTemplate());
}
