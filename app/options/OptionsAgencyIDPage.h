#pragma once

// The bidder ID the contractor has with each agency, one agency a row.
#include "app/options/OptionsCommonGrid.h"
#include "app/options/OptionsGridPage.h"
#include "model/settings/BidderIds.h"

class COptionsAgencyIDPage : public COptionsGridPage {
public:
    static constexpr UINT IDD = 201;
    static constexpr int kMinimumRows = 25;

    COptionsAgencyIDPage();

    COptionsCommonGrid& GetGrid() override { return m_grid; }
    bool OnInitDialog() override;
    void OnOK() override;

    // The rows with both an agency and a bidder ID, in grid order.
    CBidderIdList GetPairs();

protected:
    std::optional<std::string> ProblemWithRows() override;

private:
    COptionsCommonGrid m_grid;
};
