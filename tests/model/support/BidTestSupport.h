#pragma once

#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"

#include <memory>
#include <string>

// A proposal with a bidder ID, the currency symbol "$" and number formats of 10 quantity, 10 unit-price and 12 amount
// integer digits (3, 2 and 2 decimals).
inline std::unique_ptr<CProp> MakeBidProp()
{
    auto prop = std::make_unique<CProp>();
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_ID, "B0001");
    prop->m_strFurtherReferences[0] = "$"; // the currency symbol
    prop->m_numberFormats[NUMFMT_QUANTITY] = {10, 3};
    prop->m_numberFormats[NUMFMT_UNIT_PRICE] = {10, 2};
    prop->m_numberFormats[NUMFMT_AMOUNT] = {12, 2};
    return prop;
}

// `kind` is ITEM_IS_ALTERNATE, ITEM_IS_OPTION or -1 for a plain row.
inline CItem& AddSection(CProp& prop, std::string line, std::string code = "", int kind = -1)
{
    auto row = std::make_unique<CItem>();
    ChangeFlagBit(&row->m_wFlags, ITEM_IS_SECTION, 1);
    if (kind >= 0)
        ChangeFlagBit(&row->m_wFlags, kind, 1);
    row->m_strLineNum = std::move(line);
    row->m_strAltCode = std::move(code);
    return *prop.m_items.Add(std::move(row));
}

// A price below 0 stands for "not entered".
inline CItem& AddItem(CProp& prop, std::string line, double quantity, double price, std::string code = "",
                      int kind = -1)
{
    auto row = std::make_unique<CItem>();
    if (kind >= 0)
        ChangeFlagBit(&row->m_wFlags, kind, 1);
    row->m_strLineNum = line;
    row->m_strItemNum = "I" + line;
    row->m_strAltCode = std::move(code);
    row->m_fQuan = quantity;
    row->m_fUnitPrice = price < 0 ? MakeEvalErrorValue() : price;
    return *prop.m_items.Add(std::move(row));
}

// A firm form with the amount (2), type (3) and counts (5) fields in columns 1 to 3.
inline CWinMeta& AddFirmForm(CProp& prop, int type)
{
    const int presentBit[] = {0, PROP_HAS_DBE_FORM, PROP_HAS_MBE_FORM, PROP_HAS_WBE_FORM};
    ChangeFlagBit(&prop.m_wFlags, presentBit[type], 1);
    auto& slot = type == FIRM_DBE ? prop.m_pDbeForm : type == FIRM_MBE ? prop.m_pMbeForm : prop.m_pWbeForm;
    slot = std::make_unique<CWinMeta>();
    const int ids[] = {0, FIRM_FIELD_AMOUNT, FIRM_FIELD_TYPE, FIRM_FIELD_COUNTS};
    for (int column = 0; column < 4; ++column) {
        slot->m_fields.Add(std::make_unique<CFieldInfo>());
        slot->m_wColumnOfId[size_t(ids[column])] = uint16_t(column);
    }
    return *slot;
}

inline CRowData& AddFirm(CWinMeta& form, std::string amount, std::string type = "Subcontractor",
                         std::string counts = "Yes", bool complete = true)
{
    CRowData& row = *form.AddRow(-1, -1);
    ChangeFlagBit(&row.m_wFlags, ROW_COMPLETE, complete ? 1 : 0);
    row.m_cells[1]->m_strText = std::move(amount);
    row.m_cells[2]->m_strText = std::move(type);
    row.m_cells[3]->m_strText = std::move(counts);
    return row;
}

inline bool Chosen(const CItem& row) { return TestFlagBit(row.m_wFlags, ITEM_CHOSEN) != 0; }
