#include "app/options/OptionsIOPage.h"

#include "model/flat/FlatFileFormats.h"
#include "model/records/ItemColumns.h"
#include "platform/core/LeadingInt.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"

#include <charconv>
#include <optional>

namespace {

CIOFormatSide& SideOf(CIOFormatSettings& settings, int side)
{
    return side == 1 ? settings.m_export : settings.m_import;
}

// The program's record, made with the defaults when the settings were never loaded.
CIOFormatSettings& ProgramSettings()
{
    if (!GetIOFormatSettings())
        SetIOFormatSettings(std::make_unique<CIOFormatSettings>(DefaultIOFormatSettings()));
    return *GetIOFormatSettings();
}

bool IsFieldSize(const std::string& text)
{
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    return error == std::errc() && end == text.data() + text.size() && size >= 1 && size <= kMaxFlatFieldSize;
}

std::optional<std::string> ProblemWith(const COptionsFieldRow& field)
{
    const std::string row = "Row " + std::to_string(field.row + 1) + ": ";
    if (GetItemColumnId(field.name) == 0)
        return row + "\"" + field.name + "\" is not a field name. Choose one from the list.";
    if (!IsFieldSize(field.size))
        return row + "the size of " + field.name + " must be a number from 1 to " +
               std::to_string(kMaxFlatFieldSize) + ", not \"" + field.size + "\".";
    return std::nullopt;
}

} // namespace

BEGIN_MESSAGE_MAP(COptionsIOPage, COptionsGridPage)
    ON_CBN_SELCHANGE(IDC_FORMAT, OnFormatChange)
    ON_BN_CLICKED(IDC_EXPORT_LABELS, OnLabelsClicked)
    ON_BN_CLICKED(IDC_RESTORE_DEFAULTS, OnRestoreDefaults)
    ON_BN_CLICKED(IDC_GET_FORMAT, OnGetFormat)
END_MESSAGE_MAP()

COptionsIOPage::COptionsIOPage(UINT templateId, std::string caption, int side)
    : COptionsGridPage(templateId, std::move(caption)), m_iSide(side)
{
}

bool COptionsIOPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!AttachGrid())
        return true;
    m_grid.SetColumns({{"Field Name", 100}, {"Field Size", 50}});
    if (auto* formats = dynamic_cast<CComboBox*>(GetDlgItem(IDC_FORMAT)))
        for (const FlatFileFormat& format : GetFlatFileFormatTable())
            formats->AddString(format.m_code);
    const CIOFormatSettings* settings = GetIOFormatSettings();
    CIOFormatSettings shown = settings ? *settings : DefaultIOFormatSettings();
    m_side = SideOf(shown, m_iSide);
    ShowSide();
    return true;
}

void COptionsIOPage::ShowSide()
{
    m_grid.ShowFields(m_side);
    if (auto* formats = dynamic_cast<CComboBox*>(GetDlgItem(IDC_FORMAT)))
        formats->SetCurSel(m_side.m_iFormat);
    if (auto* labels = dynamic_cast<CButton*>(GetDlgItem(IDC_EXPORT_LABELS)))
        labels->SetCheck(m_side.m_bLabels ? BST_CHECKED : BST_UNCHECKED);
}

CIOFormatSide COptionsIOPage::ShownSide()
{
    CIOFormatSide side = m_side;
    side.m_iFields.fill(0);
    side.m_iSizes.fill(0);
    std::size_t stored = 0;
    for (const COptionsFieldRow& field : m_grid.GetFieldRows()) {
        const int id = GetItemColumnId(field.name);
        // An unknown name would store a 0, which ends the list there.
        if (stored == kMaxFlatFileFields || id == 0)
            continue;
        side.m_iFields[stored] = id;
        side.m_iSizes[stored] = ParseLeadingInt(field.size);
        ++stored;
    }
    if (const auto* formats = dynamic_cast<CComboBox*>(GetDlgItem(IDC_FORMAT)); formats && formats->GetCurSel() >= 0)
        side.m_iFormat = formats->GetCurSel();
    if (const auto* labels = dynamic_cast<CButton*>(GetDlgItem(IDC_EXPORT_LABELS)))
        side.m_bLabels = labels->GetCheck() == BST_CHECKED;
    return side;
}

std::optional<std::string> COptionsIOPage::ProblemWithRows()
{
    for (const COptionsFieldRow& field : m_grid.GetFieldRows())
        if (std::optional<std::string> problem = ProblemWith(field))
            return problem;
    return std::nullopt;
}

void COptionsIOPage::OnOK()
{
    m_side = ShownSide();
    SideOf(ProgramSettings(), m_iSide) = m_side;
    CProfileStore store;
    SaveIOFormats(store, m_iSide);
}

LRESULT COptionsIOPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_OPTIONS_FIELDS_CHANGED)
        return COptionsGridPage::OnMessage(message, wParam, lParam);
    FieldsChanged();
    return 0;
}

void COptionsIOPage::OnGridButton()
{
    FieldsChanged();
}

void COptionsIOPage::FieldsChanged()
{
    EnableGetFormat(true);
    SetModified();
}

void COptionsIOPage::EnableGetFormat(bool enable)
{
    for (COptionsIOPage* page : {this, m_pOtherPage})
        if (page && page->IsPageCreated())
            if (CWnd* button = page->GetDlgItem(IDC_GET_FORMAT))
                button->EnableWindow(enable);
}

void COptionsIOPage::OnFormatChange()
{
    FieldsChanged();
}

void COptionsIOPage::OnLabelsClicked()
{
    SetModified();
}

void COptionsIOPage::OnRestoreDefaults()
{
    CIOFormatSettings defaults = DefaultIOFormatSettings();
    m_side = SideOf(defaults, m_iSide);
    ShowSide();
    FieldsChanged();
}

void COptionsIOPage::OnGetFormat()
{
    CIOFormatSide other;
    if (m_pOtherPage && m_pOtherPage->IsPageCreated())
        other = m_pOtherPage->ShownSide();
    else
        other = SideOf(ProgramSettings(), 1 - m_iSide);
    m_side.m_iFields = other.m_iFields;
    m_side.m_iSizes = other.m_iSizes;
    m_side.m_iFormat = other.m_iFormat;
    ShowSide();
    EnableGetFormat(false);
    SetModified();
}
