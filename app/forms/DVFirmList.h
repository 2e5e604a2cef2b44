#pragma once

// The list of the DBE, MBE or WBE firms: the contract, the number of firms, the kind's goal
// summary and the button that adds a firm.
#include "app/views/DV.h"
#include "platform/ui/draw/GdiObjects.h"

#include <memory>
#include <vector>

class CProp;
class CWinMeta;

class CDV_DBEList : public CDV {
    DECLARE_DYNCREATE(CDV_DBEList)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDC_ADD = 1102;

    CDV_DBEList();
    ~CDV_DBEList() override;

    // 1 DBE, 2 MBE, 3 WBE.
    virtual int GetFirmType() const { return 1; }

    void OnInitialUpdate() override;
    // The goal summary follows the figures.
    void ShowFigures() override;
    void OnSize(UINT type, int cx, int cy) override;

protected:
    void OnAdd();

private:
    CProp* GetProp() const;
    void ShowValues(const CProp& prop, const CWinMeta& form);
    void LayoutLabels();
    void LayoutBlock(int width);

    CFont m_formFont;
    int m_iCharWidth = 0;
    int m_iCharHeight = 0;
    int m_iLabelsBottom = 0;
    std::vector<std::unique_ptr<CWnd>> m_block;
};

class CDV_MBEList : public CDV_DBEList {
    DECLARE_DYNCREATE(CDV_MBEList)
public:
    int GetFirmType() const override { return 2; }
};

class CDV_WBEList : public CDV_DBEList {
    DECLARE_DYNCREATE(CDV_WBEList)
public:
    int GetFirmType() const override { return 3; }
};
