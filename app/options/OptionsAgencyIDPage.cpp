#include "app/options/OptionsAgencyIDPage.h"

#include "model/records/Item.h"
#include "model/settings/BidderSettings.h"
#include "platform/core/IniLine.h"
#include "platform/core/SettingsStore.h"

#include <optional>

namespace {

// Why the pairs cannot all be stored as they are: each agency is one value name of the store,
// so a second row of the same agency (in any case) would silently replace the first.
std::optional<std::string> ProblemWith(const CBidderIdList& pairs)
{
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::string& agency = pairs[i].first;
        if (!platform::IsStorableIniKey(agency))
            return "The agency code \"" + agency +
                   "\" cannot be kept: it may not contain \"=\" nor begin with \";\" or \"[\".";
        for (std::size_t j = 0; j < i; ++j)
            if (EqualsIgnoringCase(pairs[j].first, agency))
                return "The agency \"" + agency + "\" is listed twice. Give each agency one bidder ID.";
    }
    return std::nullopt;
}

} // namespace

COptionsAgencyIDPage::COptionsAgencyIDPage() : COptionsGridPage(IDD, "Agency/ID") {}

bool COptionsAgencyIDPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!AttachGrid())
        return true;
    m_grid.SetColumns({{"Agency", 100}, {"Bidder ID", 100}});
    CProfileStore store;
    std::vector<std::vector<std::string>> rows;
    // Every stored pair gets a row, however many there are: a pair left out would be lost on OK.
    for (const auto& [agency, id] : ReadBidderIDValues(store))
        rows.push_back({agency, id});
    m_grid.FillRows(rows, kMinimumRows);
    return true;
}

std::optional<std::string> COptionsAgencyIDPage::ProblemWithRows()
{
    return ProblemWith(GetPairs());
}

CBidderIdList COptionsAgencyIDPage::GetPairs()
{
    CBidderIdList pairs;
    for (int row = 0; row < m_grid.GetRowCount(); ++row) {
        std::vector<std::string> texts = m_grid.RowTexts(row);
        if (!texts[0].empty() && !texts[1].empty())
            pairs.emplace_back(std::move(texts[0]), std::move(texts[1]));
    }
    return pairs;
}

void COptionsAgencyIDPage::OnOK()
{
    const CBidderIdList pairs = GetPairs();
    CProfileStore store;
    SaveBidderIDList(store, pairs);
    CBidderInfo* bidder = GetBidderInfo();
    if (!bidder)
        return;
    for (const auto& [agency, id] : pairs)
        if (EqualsIgnoringCase(bidder->Get(BIDDER_AGENCY_CODE), agency))
            bidder->Set(BIDDER_AGENCY_CODE, agency);
}
