#include "bench/generator/ProposalGenerator.h"

#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace {

std::string Padded(int value, int width)
{
    std::string text = std::to_string(value);
    return std::string(size_t(std::max(0, width - int(text.size()))), '0') + text;
}

class Generator {
public:
    explicit Generator(const ProposalShape& shape) : m_shape(shape), m_random(shape.m_seed) {}

    std::unique_ptr<CProp> Build()
    {
        auto prop = std::make_unique<CProp>();
        SetHeader(*prop);
        AddItems(*prop);
        AddBidCaps(*prop);
        AddSites(*prop);
        if (m_shape.m_firms > 0)
            AddFirmForm(*prop);
        return prop;
    }

private:
    void SetHeader(CProp& prop)
    {
        prop.m_pBidder = std::make_unique<CBidderInfo>();
        prop.m_pBidder->Set(BIDDER_ID, "B0042");
        prop.m_numberFormats[NUMFMT_QUANTITY] = {10, 3};
        prop.m_numberFormats[NUMFMT_UNIT_PRICE] = {10, 2};
        prop.m_numberFormats[NUMFMT_AMOUNT] = {12, 2};
        ChangeFlagBit(&prop.m_wFlags2, PROP2_IDENTICAL_ITEM_RULE, 1);
        ChangeFlagBit(&prop.m_wFlags2, PROP2_TIME_COSTS_IN_BID, 1);
    }

    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }

    void AddSection(CProp& prop, int number)
    {
        auto section = std::make_unique<CItem>();
        ChangeFlagBit(&section->m_wFlags, ITEM_IS_SECTION, 1);
        section->m_strLineNum = Padded(number, 4);
        section->m_strLongDesc = "Section " + std::to_string(number);
        // Sections 10 and 11, 20 and 21, ... are alternates of each other.
        if (number % 10 == 0 || number % 10 == 1) {
            ChangeFlagBit(&section->m_wFlags, ITEM_IS_ALTERNATE, 1);
            section->m_strAltCode = "S" + std::to_string(number / 10 % 10) + (number % 10 == 0 ? "A" : "B");
        }
        prop.m_items.Add(std::move(section));
    }

    void AddItem(CProp& prop, int index, int inSection)
    {
        auto item = std::make_unique<CItem>();
        item->m_strLineNum = Padded(index + 1, 5);
        // One item number in eight repeats an earlier one.
        const int itemNumber = index % 8 == 7 ? index / 2 : index;
        item->m_strItemNum = "2" + Padded(itemNumber, 7);
        item->m_strUnit = "CY";
        item->m_strShortDesc = "Item " + std::to_string(itemNumber);
        item->m_fQuan = std::round(Uniform(1, 5000));
        item->m_fUnitPrice = std::round(Uniform(1, 900) * 100) / 100;
        if (m_shape.m_unpricedEvery > 0 && index % m_shape.m_unpricedEvery == m_shape.m_unpricedEvery - 1)
            MakeEvalErrorValue(&item->m_fUnitPrice);
        MarkChoice(*item, inSection);
        prop.m_items.Add(std::move(item));
    }

    static void MarkChoice(CItem& item, int inSection)
    {
        const int alternatePair = inSection % 12;
        const int optionPair = inSection % 17;
        if (alternatePair == 1 || alternatePair == 2) {
            ChangeFlagBit(&item.m_wFlags, ITEM_IS_ALTERNATE, 1);
            item.m_strAltCode = alternatePair == 1 ? "01A" : "01B";
        } else if (optionPair == 3 || optionPair == 4) {
            ChangeFlagBit(&item.m_wFlags, ITEM_IS_OPTION, 1);
            item.m_strAltCode = optionPair == 3 ? "02A" : "02B";
        }
    }

    void AddItems(CProp& prop)
    {
        int section = 0;
        for (int index = 0; index < m_shape.m_items; ++index) {
            const int inSection = index % std::max(1, m_shape.m_itemsPerSection);
            if (inSection == 0)
                AddSection(prop, ++section);
            AddItem(prop, index, inSection);
        }
    }

    void AddBidCaps(CProp& prop)
    {
        if (m_shape.m_bidCapEvery <= 0)
            return;
        int count = 0;
        for (const auto& row : prop.m_items) {
            if (row->IsSection() || ++count % m_shape.m_bidCapEvery != 0)
                continue;
            CBidCap* cap = prop.GetOrCreateBidCap(row->m_strItemNum);
            cap->m_iRuleCount = 2;
            cap->m_strMinimum[0] = "1.00";
            cap->m_strMaximum[0] = "800";
            // Half the caps depend on the totals, the expensive kind.
            cap->m_strMaximum[1] = count / m_shape.m_bidCapEvery % 2 ? "@TOTAL / @QUAN" : "1000";
        }
    }

    void AddSites(CProp& prop)
    {
        for (int s = 0; s < m_shape.m_sites; ++s) {
            auto site = std::make_unique<CSite>();
            ChangeFlagBit(&site->m_wFlags, SITE_BIDDABLE, 1);
            site->m_iNumberOfDays = 20 + s;
            site->m_dRoadCostPerDay = 1500;
            site->m_strSiteNumber = std::to_string(s + 1);
            prop.m_sites.Add(std::move(site));
        }
    }

    void AddFirmForm(CProp& prop)
    {
        ChangeFlagBit(&prop.m_wFlags, PROP_HAS_DBE_FORM, 1);
        prop.m_pDbeForm = std::make_unique<CWinMeta>();
        CWinMeta& form = *prop.m_pDbeForm;
        form.m_dGoal = 8;
        ChangeFlagBit(&form.m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
        const char* names[] = {"Firm", "Amount", "Type", "Counts"};
        const int ids[] = {0, FIRM_FIELD_AMOUNT, FIRM_FIELD_TYPE, FIRM_FIELD_COUNTS};
        for (int column = 0; column < 4; ++column) {
            form.m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = names[column];
            form.m_wColumnOfId[size_t(ids[column])] = uint16_t(column);
        }
        const int addressable = std::min(prop.m_items.GetSize(), 32767);
        for (int f = 0; f < m_shape.m_firms; ++f) {
            CRowData* row = form.AddRow(-1, -1);
            ChangeFlagBit(&row->m_wFlags, ROW_COMPLETE, 1);
            row->m_cells[0]->m_strText = "Firm " + std::to_string(f);
            row->m_cells[2]->m_strText = f % 4 == 0 ? "Supplier" : "Subcontractor";
            row->m_cells[3]->m_strText = "Yes";
            for (int i = 0; i < m_shape.m_firmItemsPerFirm; ++i)
                AddFirmItem(prop, *row, std::uniform_int_distribution<int>(0, addressable - 1)(m_random));
        }
    }

    void AddFirmItem(const CProp& prop, CRowData& row, int index)
    {
        const CItem* item = prop.m_items.GetAt(index);
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = int16_t(index);
        entry->m_dQuantity = item->IsSection() ? 0 : std::round(item->m_fQuan / 3);
        entry->m_dUnitPrice = item->m_fUnitPrice;
        entry->m_dExtension = IsEvalValueValid(item->m_fUnitPrice) ? entry->m_dQuantity * item->m_fUnitPrice : 0;
        row.m_dbeItems.Add(std::move(entry));
    }

    const ProposalShape& m_shape;
    std::mt19937 m_random;
};

} // namespace

std::unique_ptr<CProp> GenerateProposal(const ProposalShape& shape)
{
    return Generator(shape).Build();
}
