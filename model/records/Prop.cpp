#include "model/records/Prop.h"

#include "model/records/DefaultTemplates.h"

#include <utility>

namespace {

// Copies a form the source has into `target`, creating it when missing; a form the source lacks
// leaves the target's as it is.
void CopyForm(std::unique_ptr<CWinMeta>& target, const std::unique_ptr<CWinMeta>& source)
{
    if (!source)
        return;
    if (!target)
        target = std::make_unique<CWinMeta>();
    target->CopyFrom(*source);
}

} // namespace

CProp::CProp()
{
    for (const auto& [name, text] : DefaultReportTemplates())
        SetDefaultTemplate(name, text);
}

void CProp::CopyFrom(const CProp& source)
{
    if (&source == this)
        return;
    const int32_t ownCellDataBlocks = m_iCellDataBlocks;
    static_cast<CPropHeader&>(*this) = source;
    m_iCellDataBlocks = ownCellDataBlocks;

    m_items.CopyFrom(source.m_items);
    m_counties.CopyFrom(source.m_counties);
    m_sites.CopyFrom(source.m_sites);
    m_notes.CopyFrom(source.m_notes);
    m_otherReports.CopyFrom(source.m_otherReports);
    m_bidCaps.CopyFrom(source.m_bidCaps);
    m_plates.CopyFrom(source.m_plates);
    m_defaultTemplates.CopyFrom(source.m_defaultTemplates);
    m_referenceLists.CopyFrom(source.m_referenceLists);
    m_secondLists.CopyFrom(source.m_secondLists);
    CopyForm(m_pDbeForm, source.m_pDbeForm);
    CopyForm(m_pMbeForm, source.m_pMbeForm);
    CopyForm(m_pWbeForm, source.m_pWbeForm);
    CopyForm(m_pBondForm, source.m_pBondForm);
    // Replaced, not appended to: a second copy into the same proposal must not double the forms.
    m_miscForms.CopyFrom(source.m_miscForms);
}

void CProp::StripUnchangedMarkers()
{
    CPropHeader::StripUnchangedMarkers();
    for (const auto& form : {m_pDbeForm.get(), m_pMbeForm.get(), m_pWbeForm.get(), m_pBondForm.get()})
        if (form)
            form->StripUnchangedMarkers();
    m_miscForms.StripUnchangedMarkers();
    m_items.StripUnchangedMarkers();
    m_counties.StripUnchangedMarkers();
    m_sites.StripUnchangedMarkers();
    m_notes.StripUnchangedMarkers();
    m_otherReports.StripUnchangedMarkers();
    m_bidCaps.StripUnchangedMarkers();
    m_plates.StripUnchangedMarkers();
    m_referenceLists.StripUnchangedMarkers();
    m_secondLists.StripUnchangedMarkers();
}

void CProp::Swap(CProp& other) noexcept
{
    std::swap(static_cast<CPropHeader&>(*this), static_cast<CPropHeader&>(other));
    m_pDbeForm.swap(other.m_pDbeForm);
    m_pMbeForm.swap(other.m_pMbeForm);
    m_pWbeForm.swap(other.m_pWbeForm);
    m_miscForms.Swap(other.m_miscForms);
    m_pBondForm.swap(other.m_pBondForm);
    m_pBidder.swap(other.m_pBidder);
    m_items.Swap(other.m_items);
    m_counties.Swap(other.m_counties);
    m_sites.Swap(other.m_sites);
    m_notes.Swap(other.m_notes);
    m_otherReports.Swap(other.m_otherReports);
    m_bidCaps.Swap(other.m_bidCaps);
    m_plates.Swap(other.m_plates);
    m_defaultTemplates.Swap(other.m_defaultTemplates);
    m_referenceLists.SwapContents(other.m_referenceLists);
    m_secondLists.SwapContents(other.m_secondLists);
    m_strFilePath.swap(other.m_strFilePath);
}

std::unique_ptr<CProp> CProp::MakeWholeCopy(const CProp& source)
{
    auto copy = std::make_unique<CProp>();
    copy->CopyFrom(source);
    copy->m_iCellDataBlocks = source.m_iCellDataBlocks;
    if (source.m_pBidder)
        copy->m_pBidder = std::make_unique<CBidderInfo>(*source.m_pBidder);
    copy->m_strFilePath = source.m_strFilePath;
    return copy;
}
