#pragma once

// The bid bond: the agency's bond form with the bond summary under it. The bond can be
// verified on the agency's server, reset, or paid by check instead.
#include "app/forms/TemplateView.h"

class CDV_Bond : public CDV_Template {
    DECLARE_DYNCREATE(CDV_Bond)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDC_STATUS = 1133;

    void CreateFormFont(CFont& font, int sizeDelta, int weight) override;
    CWinMeta* GetTemplate() override;
    bool RefreshRecordState() override;
    void OnInitialUpdate() override;
    // The bond goal's amount follows the items total.
    void ShowFigures() override { UpdateBondSummary(); }
    void OnSize(UINT type, int cx, int cy) override;

    void UpdateBondStatus();
    void VerifyBond();
    void ResetBond();
    void OnPayByCheck();

protected:
    void OnBondButton(UINT id);

private:
    // The field of a bond field id; -1 when the form has none.
    int FieldOfBondId(int id) const;
    void UpdateBondSummary();
    void LayoutBelowForm(int width);
    // Every field emptied and stored: lists lose their entry, edits their text, and with
    // checkBoxes the check boxes their tick.
    void EmptyFields(bool checkBoxes);
    void ShowVerificationPicture();
    void EnableForBondState();
    // After a bond button: the change stored and checked, the tree and the status line follow.
    void AfterBondChange(int field);

    int m_iFormHeight = 0;
};

// Runs the bond verification wizard on the proposal: -1 without a proposal or when cancelled,
// else 1 when the agency's server confirmed the bond and 0 when not.
int RunBondVerification(CProp* prop);
