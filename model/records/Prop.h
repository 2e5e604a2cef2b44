#pragma once

#include "model/amend/AmendmentResult.h"
#include "model/records/BidCap.h"
#include "model/records/BidderInfo.h"
#include "model/records/DataArray.h"
#include "model/records/DataMap.h"
#include "model/records/DataObject.h"
#include "model/records/ItemArray.h"
#include "model/records/ItemColumns.h"
#include "model/records/PropHeader.h"
#include "model/records/Site.h"
#include "model/records/SmallRecords.h"
#include "model/records/StringArrayMap.h"
#include "model/records/WinMeta.h"

#include <memory>
#include <string>
#include <string_view>

// Firm types of the information forms.
enum FirmType { FIRM_DBE = 1, FIRM_MBE = 2, FIRM_WBE = 3 };

// The name of the plate that holds the agency's public key.
inline constexpr std::string_view kAgencyPublicKeyPlate = "Agency Public Key";

// One proposal in memory: its header, the agency's forms, the bidder written into it, and its
// lists of items, counties, sites, addendum notes, other reports, bid caps, plates and pick lists.
class CProp : public CDataObject<CProp>, public CPropHeader {
public:
    std::unique_ptr<CWinMeta> m_pDbeForm;
    std::unique_ptr<CWinMeta> m_pMbeForm;
    std::unique_ptr<CWinMeta> m_pWbeForm;
    CDataArray<CWinMeta> m_miscForms;
    std::unique_ptr<CWinMeta> m_pBondForm;
    std::unique_ptr<CBidderInfo> m_pBidder;
    CItemArray m_items;
    CDataArray<CCounty> m_counties;
    CDataArray<CSite> m_sites;
    CDataArray<CNote> m_notes;
    CDataArray<COtherRpt> m_otherReports;
    CDataMap<CBidCap> m_bidCaps;        // by item number
    CDataMap<CPlate> m_plates;
    CDataMap<CPlate> m_defaultTemplates;
    CStringArrayMap m_referenceLists;
    CStringArrayMap m_secondLists;
    std::string m_strFilePath;

    // Every number 0 and every text empty but the stated defaults, and the built-in templates.
    CProp();

    // Copies the header (not the cell data blocks flag), every list, map and form. A form the
    // source lacks is left as it is here; the bidder record and the file path are not copied.
    void CopyFrom(const CProp& source) override;
    // Makes this newer edition an amendment against `older`: AMEND_NO_ERROR; AMEND_ALREADY_APPLIED
    // when there is nothing to amend or the editions do not match; AMEND_OTHER_PROPOSAL for none.
    unsigned ReduceToChanges(const CProp* older) override;
    // Applies an amendment and logs what changed; returns an AmendmentResult. Every refusal comes
    // before any change, and so does the one failure: when the amendment's items cannot be
    // placed, CAmendmentError is thrown and this proposal, the amendment and the change log are as
    // they were. Otherwise the work is done in place and the amendment is spent. Running out of
    // memory half-way is not undone (std::bad_alloc goes on).
    unsigned ExchangeWithLog(CProp& amendment) override;
    void StripUnchangedMarkers() override;

    // Exchanges everything with another proposal; nothing is copied.
    void Swap(CProp& other) noexcept;
    // A copy that also keeps what CopyFrom leaves out (bidder record, file path, cell data flag).
    static std::unique_ptr<CProp> MakeWholeCopy(const CProp& source);

    // The parts of the file path that the flags choose (see SplitPath).
    std::string GetFilePathPart(int flags) const;

    CPlate* FindPlate(std::string_view name) const { return m_plates.Lookup(name); }
    CPlate* SetPlate(std::string_view name, std::string_view text);
    bool RemovePlate(std::string_view name) { return m_plates.RemoveKey(name); }
    CPlate* SetDefaultTemplate(std::string_view name, std::string_view text);
    bool RenamePlate(std::string_view newName, std::string_view oldName);

    // Selector 0: the agency's reference lists; any other: the second set.
    CSAStringArray* GetPickList(std::string_view name, int selector) const;
    CSAStringArray* NewPickList(std::string_view name, int selector);

    CBidCap* GetOrCreateBidCap(std::string_view name);

    CItem* FindItemByLine(std::string_view line) const { return m_items.FindItemByLine(line); }
    // Rounds each item's unit price to the unit-price decimals; a zero or negative price becomes
    // "not entered" unless the number formats allow it.
    void NormalizeUnitPrices();
    // The price that rule makes of one unit price; rounded to `decimals` instead when given.
    double NormalizedUnitPrice(double price) const;
    double NormalizedUnitPrice(double price, int decimals) const;
    // The item's quantity (extension) less what firms committed of it: over the DBE form for
    // mode 1, else over the MBE and WBE forms. 0 for a null item.
    double GetUncommittedQuantity(const CItem* item, int mode) const;
    double GetUncommittedAmount(const CItem* item, int mode) const;
    CItemColumnContext GetItemColumnContext() const;

    // The first (selector 0) or second currency prefix; empty when not set.
    const std::string& GetCurrencySymbol(int selector) const;
    // The DBE, MBE or WBE information form; null for other types or when absent.
    CWinMeta* GetDbeForm(int firmType) const;
    // Sets or clears each firm form's bidder-is-certified bit by the form's list of certified
    // firms (see IsBidderCertified); a list that cannot be read leaves its text in error.
    void UpdateBidderIsDbeFlags(std::string* error);
};
