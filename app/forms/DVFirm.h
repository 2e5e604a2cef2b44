#pragma once

// One DBE, MBE or WBE firm: the kind's agency form on the firm's row, the goal summary of the
// kind under it, and Prev and Next to go through the firms. The view is kept while hidden and
// shows the next firm of its kind that the bidder picks.
#include "app/forms/TemplateView.h"

class CDV_DBE : public CDV_Template {
    DECLARE_DYNCREATE(CDV_DBE)
    DECLARE_MESSAGE_MAP()
public:
    // Firm kinds, as the proposal numbers them.
    enum : int { kDbeFirm = 1, kMbeFirm = 2, kWbeFirm = 3 };

    static constexpr UINT IDC_PREV = 1040;
    static constexpr UINT IDC_NEXT = 1041;
    static constexpr UINT IDC_STATUS = 1101;

    void CreateFormFont(CFont& font, int sizeDelta, int weight) override;
    int GetFirmType() const override { return kDbeFirm; }
    bool RefreshRecordState() override;
    void OnInitialUpdate() override;
    // The shown firm again (the splitter's reuse for another firm among them).
    void ShowFigures() override { SelectFirm(GetCurrentIndex()); }
    void OnSize(UINT type, int cx, int cy) override;

    // Shows firm row `index` (none for -1).
    void SelectFirm(int index);
    void RefreshFirmView();
    void UpdateFirmStatus();

protected:
    void OnPrev();
    void OnNext();

private:
    void StepFirm(int step);
    void LayoutBelowForm(int width);

    int m_iFormHeight = 0;
};

class CDV_MBE : public CDV_DBE {
    DECLARE_DYNCREATE(CDV_MBE)
public:
    int GetFirmType() const override { return kMbeFirm; }
};

class CDV_WBE : public CDV_DBE {
    DECLARE_DYNCREATE(CDV_WBE)
public:
    int GetFirmType() const override { return kWbeFirm; }
};
