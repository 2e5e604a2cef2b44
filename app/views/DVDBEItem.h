#pragma once

// One item as a DBE, MBE or WBE firm commits to it: assigned or not, the committed quantity,
// unit price and total, a note, and whether other firms share it. Below the firm item grid it
// follows the grid's cursor; on its own it shows the item of the firm item node.
#include "app/firms/FirmItemPane.h"
#include "app/views/DV.h"
#include "model/records/PropHeader.h"

#include <map>
#include <optional>
#include <string>

class CDBEItem;
class CDBEItemGrid;
class CItem;
class CProp;
struct TypedEntry;

class CDV_DBEItem : public CDV, public CFirmItemPane {
    DECLARE_DYNCREATE(CDV_DBEItem)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT kTemplate = 315;
    enum : UINT {
        IDC_LINE = 1000,
        IDC_ITEM_NUMBER = 1001,
        IDC_QUANTITY = 1002,
        IDC_TOTAL = 1004,
        IDC_DESCRIPTION = 1005,
        IDC_UNIT = 1006,
        IDC_UNIT_PRICE = 1007,
        IDC_FIRM = 1008,
        IDC_NOTES = 1069,
        IDC_OVER_COMMITTED = 1119,
        IDC_ASSIGN = 1147,
        IDC_MULTIPLE = 1148,
        IDC_ALT_CODE = 1150,
    };

    CDV_DBEItem();

    void OnInitialUpdate() override;
    void ShowFigures() override { RefreshFirmItem(); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ShowFirmItem(int item) override;
    void RefreshFirmItem() override;
    bool StoreTypedValues() override;

    int GetFirmKind() const { return m_iFirmKind; }
    int GetFirmIndex() const { return m_iFirm; }
    int GetItemIndex() const { return m_iItem; }

protected:
    explicit CDV_DBEItem(int firmKind);

    void OnQuantityOrPrice();
    void OnTotal();
    void OnNotes();
    void OnAssign();
    void OnMultiple();

private:
    CProp* GetProp() const;
    const CItem* GetItem() const;
    CDBEItem* GetEntry() const;
    // The firm item grid above, when the form is below it in the firm item splitter; else null.
    CDBEItemGrid* SplitterGrid() const;
    // Which firm and item the node stands for, inside the firm item splitter or on its own.
    void TakeNode();
    void ShowItemFields(const CProp& prop, const CItem& item);
    void ShowEntryValues(const CProp& prop, const CItem& item, const CDBEItem* entry);
    void ShowOverCommitted(const CDBEItem* entry);
    void ClearFields();
    // The amounts typed, evaluated and rounded; the entry's state after the change. False when a
    // typed amount was refused.
    bool StoreAmounts(bool fromTotal);
    // The amount typed into the edit (in the item's unit), `kept` when the edit shows what it was
    // given, none when refused.
    std::optional<double> TypedAmount(UINT id, const char* field, NumberFormatKind kind, double kept);
    // The bidder is told why, and the edit has the focus with its text selected for correcting.
    void TellRefusal(UINT id, const TypedEntry& refused);
    // The bidder changed the edit's text since it was shown.
    bool IsTyped(UINT id) const;
    // After the firm's commitments changed: the totals, checks, grid row and tree follow.
    void AfterCommitmentChange();
    std::string EditText(UINT id) const;
    void MarkModified();
    // Shows the text in the edit and remembers it, to tell what the bidder typed since.
    void ShowEditText(UINT id, const std::string& text);

    static constexpr UINT kEdits[] = {IDC_QUANTITY, IDC_UNIT_PRICE, IDC_TOTAL, IDC_NOTES};
    // Posted once a refusal was told; until it arrives the bidder's action is the same one.
    static constexpr UINT WM_REFUSAL_TOLD = WM_USER + 1;

    const int m_iFirmKind;
    int m_iFirm = 0;
    int m_iItem = -1;
    std::map<UINT, std::string> m_shownTexts;
    bool m_bRefusalTold = false;
};

class CDV_MBEItem : public CDV_DBEItem {
    DECLARE_DYNCREATE(CDV_MBEItem)
public:
    CDV_MBEItem();
};

class CDV_WBEItem : public CDV_DBEItem {
    DECLARE_DYNCREATE(CDV_WBEItem)
public:
    CDV_WBEItem();
};
