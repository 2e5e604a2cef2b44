#pragma once

// The proposal's header: agency, letting, contract, county, bidder, dates, amendments, the joint
// bid, the checksum, the description and the totals.
#include "app/views/DV.h"

class CProp;

class CDV_Proposal : public CDV {
    DECLARE_DYNCREATE(CDV_Proposal)
public:
    static constexpr UINT IDC_JOINT_BID = 1027;
    static constexpr UINT IDC_CHECKSUM = 1032;
    static constexpr UINT IDC_COUNTY = 1019;
    static constexpr UINT IDC_DESCRIPTION = 1005;
    static constexpr UINT IDC_BIDDER_ID = 1042;

    CDV_Proposal();

    void OnInitialUpdate() override;
    // The checked bid's values again, its checksum computed afresh.
    void ShowFigures() override;
    // The joint bid follows its command at once.
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CProp* GetProp() const;
    void ShowLabels(const CProp& prop);
    void ShowValues(const CProp& prop);
    void ShowJointBid(const CProp& prop);
    void FitDescription(int paneWidth);
};
