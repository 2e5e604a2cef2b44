#pragma once

#include "platform/ui/dialogs/Dialog.h"

#include <string>

// Asks for the bidder ID to use with an agency (given in capitals, however typed), and offers the
// company details of the global bidder record below it (hidden until asked for). Without
// allow-cancel the user must answer: there is no Cancel and no closing the window.
class CBidderID : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 138;
    static constexpr UINT IDC_MORE_DETAILS = 3;
    static constexpr UINT IDC_BIDDER_ID = 1042;
    static constexpr UINT IDC_AGENCY = 1043;
    static constexpr UINT IDC_PROMPT = 1044;
    // Pixels the details take at the usual resolution, where the dialog font's line is 12 high.
    static constexpr int kDetailsHeight = 280;

    explicit CBidderID(bool allowCancel, CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    bool m_bAllowCancel;
    std::string m_strAgency;
    std::string m_strBidderID;
    int m_iFullHeight = 0;

protected:
    void OnChangeBidderID();
    void OnMoreDetails();

private:
    int DetailsHeight() const;
    // The window as high as given; the details' controls hidden with them, out of the tab order.
    void ShowHeight(int height);
};
