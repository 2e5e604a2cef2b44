#include "app/views/DVDataTemplate.h"

#include "app/doc/BidDoc.h"
#include "app/tree/BidTreeView.h"
#include "app/views/FormTemplates.h"
#include "model/reports/TemplateSectionText.h"
#include "controls/views/ControlLayout.h"
#include "model/records/Prop.h"
#include "platform/core/Files.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/dialogs/ModalServices.h"
#include "platform/ui/window/Shell.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDV_DataTemplate, CDV)

BEGIN_MESSAGE_MAP(CDV_DataTemplate, CDV)
    ON_BN_CLICKED(CDV_DataTemplate::IDC_CHANGE_PROPOSAL, OnChangeProposal)
    ON_BN_CLICKED(CDV_DataTemplate::IDC_CHANGE_CONFIG, OnChangeConfig)
END_MESSAGE_MAP()

namespace {

using namespace dlg;

const DialogItemTemplate kSectionItems[] = {
    EditText(CDV_DataTemplate::IDC_SECTION_NAME, 7, 7, 316, 12, ES_AUTOHSCROLL),
    EditText(CDV_DataTemplate::IDC_SECTION_TEXT, 7, 24, 316, 170,
             ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL),
    PushButton("Change Proposal", CDV_DataTemplate::IDC_CHANGE_PROPOSAL, 163, 200, 76, 14),
    PushButton("Change GEN.cfg", CDV_DataTemplate::IDC_CHANGE_CONFIG, 247, 200, 76, 14),
};
const DialogTemplate kSectionForm{CDV_DataTemplate::kTemplate, nullptr, 330, 221, kFormFace, kFormPointSize,
                                  kSectionItems, std::size(kSectionItems)};

// A configuration file bigger than this is no template file.
constexpr size_t kMaxConfigBytes = size_t(16) << 20;

// The configuration file chosen in this run.
std::string& ChosenConfigFile()
{
    static std::string path;
    return path;
}

std::string WithCarriageReturns(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            shown.push_back('\r');
        shown.push_back(c);
    }
    return shown;
}

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

} // namespace

CDV_DataTemplate::CDV_DataTemplate() : CDV(RegisterFormTemplate(kSectionForm))
{
    SetControlLayout(IDC_SECTION_NAME, LAYOUT_STRETCH_RIGHT);
    SetControlLayout(IDC_SECTION_TEXT, LAYOUT_STRETCH_RIGHT | LAYOUT_STRETCH_DOWN);
    SetControlLayout(IDC_CHANGE_PROPOSAL, LAYOUT_MOVE_RIGHT | LAYOUT_MOVE_DOWN);
    SetControlLayout(IDC_CHANGE_CONFIG, LAYOUT_MOVE_RIGHT | LAYOUT_MOVE_DOWN);
}

CProp* CDV_DataTemplate::GetProp() const
{
    const auto* doc = dynamic_cast<CBidDoc*>(GetDocument());
    return doc ? doc->GetProp() : nullptr;
}

std::string CDV_DataTemplate::TypedText(UINT id) const
{
    std::string text = GetDlgItem(id)->GetWindowText();
    if (text.size() > kMaxText)
        text.resize(kMaxText);
    return text;
}

void CDV_DataTemplate::OnInitialUpdate()
{
    InitLayout();
    CDV::OnInitialUpdate();
    LayOutToClient(*this);
    const CBidTreeView* tree = GetMainTreeView();
    m_strSection = tree ? tree->DataTemplateName(m_iNodeIndex) : std::string();
    const CProp* prop = GetProp();
    const CPlate* plate = prop ? prop->FindPlate(m_strSection) : nullptr;
    GetDlgItem(IDC_SECTION_NAME)->SetWindowText(m_strSection);
    std::string text = plate ? WithCarriageReturns(plate->m_strText) : std::string();
    if (text.size() > kMaxText)
        text.resize(kMaxText);
    GetDlgItem(IDC_SECTION_TEXT)->SetWindowText(text);
}

void CDV_DataTemplate::OnChangeProposal()
{
    CProp* prop = GetProp();
    if (!prop)
        return;
    const std::string name = TypedText(IDC_SECTION_NAME);
    const std::string text = WithoutCarriageReturns(TypedText(IDC_SECTION_TEXT));
    if (name != m_strSection && prop->RenamePlate(name, m_strSection)) {
        m_strSection = name;
        if (CBidTreeView* tree = GetMainTreeView())
            tree->RenameDataTemplate(m_iNodeIndex, name);
    }
    if (CPlate* plate = prop->FindPlate(m_strSection)) {
        plate->m_strText = text;
        if (CBidDoc* doc = dynamic_cast<CBidDoc*>(GetDocument()))
            doc->SetModifiedFlag();
    }
    platform::Beep();
}

bool CDV_DataTemplate::ChooseConfigFile()
{
    if (!ChosenConfigFile().empty())
        return true;
    platform::FileDialogRequest request;
    request.open = false;
    request.title = "Save Template Section";
    request.filter = "CFG Files (*.cfg)|*.cfg|All Files (*.*)|*.*||";
    request.defaultExtension = ".cfg";
    request.initialName = "gen";
    const std::optional<platform::FileDialogResult> chosen = platform::Modal().FileDialog(request);
    if (!chosen)
        return false;
    ChosenConfigFile() = chosen->path;
    return true;
}

std::string CDV_DataTemplate::WriteSection(const std::string& path, const std::string& name,
                                           const std::string& text) const
{
    std::string config;
    if (platform::FileExists(path)) {
        const std::optional<std::string> read = platform::ReadWholeFile(path, nullptr, kMaxConfigBytes);
        if (!read)
            return "Cannot open file " + path;
        config = *read;
    }
    const SectionRewrite rewrite = ReplaceTemplateSection(config, name, text);
    // The new file takes the old one's place at once, so a failure leaves the old one whole.
    if (!platform::WriteFileAtomically(path, rewrite.text))
        return "Cannot open temp file " + path;
    return "Section " + name + (rewrite.replaced ? " Replaced in" : " Added to") + " file " + path;
}

void CDV_DataTemplate::OnChangeConfig()
{
    if (!ChooseConfigFile())
        return;
    const std::string name = TypedText(IDC_SECTION_NAME);
    const std::string text = WithoutCarriageReturns(TypedText(IDC_SECTION_TEXT));
    AfxMessageBox(WriteSection(ChosenConfigFile(), name, text), MB_OK);
}
