#pragma once

// One item of the schedule: its line, numbers, unit, description and extension, with the unit
// price (and the quantity, where the agency leaves it to the bidder) typed in place, "Use It"
// for a fixed-price item on offer, and buttons to the previous and next items.
#include "app/views/DV.h"

#include <string>

class CItem;
class CProp;

class CDV_Item : public CDV {
    DECLARE_DYNCREATE(CDV_Item)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 131;
    enum : UINT {
        IDC_LINE = 1000,
        IDC_ITEM_NUMBER = 1001,
        IDC_QUANTITY = 1002,
        IDC_EXTENSION = 1004,
        IDC_DESCRIPTION = 1005,
        IDC_UNIT = 1006,
        IDC_UNIT_PRICE = 1007,
        IDC_ALTERNATE = 1008,
        IDC_FIXED_PRICE = 1009,
        IDC_NEXT_ITEM = 1010,
        IDC_PREV_ITEM = 1011,
        IDC_USE_IT = 1081,
    };

    CDV_Item();

    void OnInitialUpdate() override;
    // Every change of the document shows the item again.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    void OnSize(UINT type, int cx, int cy) override;
    // A command stores the entry being typed first (all but those that work on its text).
    bool OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo = nullptr) override;
    void ShowItem();

protected:
    void OnChangePrice();
    void OnChangeQuantity();
    void OnUseIt();
    void OnNextItem();
    void OnPrevItem();

private:
    CProp* GetProp() const;
    CItem* GetItem() const;
    // What typed into the edit is stored; false when it is unchanged or refused.
    template <class Reader, class Field>
    void StoreEntry(UINT editId, const std::string& shown, Reader read, Field field);
    void AfterChange();
    void SelectItemNode(int step);
    void StoreFocusedEntry();

    std::string m_strShownQuantity;
    std::string m_strShownPrice;
    CRect m_rcDescription;
    CRect m_rcPrevItem;
    CRect m_rcNextItem;
};
