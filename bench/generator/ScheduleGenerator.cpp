#include "bench/generator/ScheduleGenerator.h"

#include "bench/generator/GeneratorRandom.h"
#include "bench/generator/ProposalGenerator.h"
#include "bench/generator/RoadCatalogue.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <charconv>
#include <map>
#include <vector>

namespace {

constexpr int kLineStep = 10;

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

// Prices in formulas, whatever the locale.
std::string PriceText(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
    return std::string(text, end);
}

bool IsLumpSum(const RoadItem& kind) { return std::string_view(kind.m_unit) == "LS"; }

class ScheduleBuilder {
public:
    ScheduleBuilder(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random)
        : m_prop(prop), m_shape(shape), m_random(random)
    {
    }

    void Build()
    {
        const int perSection = std::max(1, m_shape.m_itemsPerSection);
        int section = 0;
        int measured = 0;
        for (int index = 0; index < m_shape.m_items; ++index) {
            const int inSection = index % perSection;
            if (inSection == 0) {
                AddSection(++section);
                measured = 0;
            }
            AddItem(index, inSection, section, measured);
        }
        AddBidCaps();
    }

private:
    // What an item is, kept by index so that a later item can repeat it.
    struct Identity {
        const RoadItem* m_kind = nullptr;
        std::string m_itemNumber;
    };

    const WorkGroup& GroupOf(int section) const
    {
        const auto groups = RoadWorkGroups();
        return groups[size_t(section - 1) % groups.size()];
    }

    void AddSection(int number)
    {
        auto row = std::make_unique<CItem>();
        ChangeFlagBit(&row->m_wFlags, ITEM_IS_SECTION, 1);
        row->m_strLineNum = Padded(number, 4);
        const int round = (number - 1) / int(RoadWorkGroups().size());
        row->m_strLongDesc = std::string(GroupOf(number).m_title) + (round ? " - UNIT " + std::to_string(round + 1) : "");
        // Sections 10 and 11, 20 and 21, ... are alternates of each other; section 1 has no pair.
        if (number >= 10 && (number % 10 == 0 || number % 10 == 1)) {
            ChangeFlagBit(&row->m_wFlags, ITEM_IS_ALTERNATE, 1);
            row->m_strAltCode = "S" + std::to_string(number / 10 % 10) + (number % 10 == 0 ? "A" : "B");
            row->m_strLongDesc = (number % 10 == 0 ? "ALTERNATE A - " : "ALTERNATE B - ") + row->m_strLongDesc;
        }
        m_prop.m_items.Add(std::move(row));
    }

    // A new item number for the kind: its stem and how often the kind was used before.
    Identity NewIdentity(const RoadItem& kind)
    {
        return {&kind, std::string(kind.m_code) + Padded(m_uses[kind.m_code]++, 2)};
    }

    Identity ChooseIdentity(int index, int inSection, int section, int& measured)
    {
        const size_t pairs = size_t(section + inSection / 12);
        if (inSection == 0) {
            const auto lumpSums = LumpSumRoadItems();
            return NewIdentity(section == 1 ? lumpSums[0] : lumpSums[1 + size_t(section - 2) % (lumpSums.size() - 1)]);
        }
        if (inSection == 6 && section % 3 == 0) {
            const auto fixed = FixedPriceRoadItems();
            return NewIdentity(fixed[size_t(section / 3 - 1) % fixed.size()]);
        }
        if (inSection % 12 == 1 || inSection % 12 == 2) {
            const RoadItemPair& pair = AlternateRoadItems()[pairs % AlternateRoadItems().size()];
            return NewIdentity(inSection % 12 == 1 ? pair.m_first : pair.m_second);
        }
        if (inSection % 17 == 3 || inSection % 17 == 4) {
            const RoadItemPair& pair = OptionRoadItems()[pairs % OptionRoadItems().size()];
            return NewIdentity(inSection % 17 == 3 ? pair.m_first : pair.m_second);
        }
        if (index % 16 == 15) {
            const Identity& earlier = m_identities[size_t(index / 2)];
            if (!IsLumpSum(*earlier.m_kind) && earlier.m_kind->m_priceLow != earlier.m_kind->m_priceHigh)
                return earlier;
        }
        const auto kinds = GroupOf(section).m_items;
        return NewIdentity(kinds[size_t(measured++) % kinds.size()]);
    }

    void AddItem(int index, int inSection, int section, int& measured)
    {
        m_identities.push_back(ChooseIdentity(index, inSection, section, measured));
        const Identity& identity = m_identities.back();
        auto item = MakeScheduleItem(*identity.m_kind, identity.m_itemNumber, m_random);
        item->m_strLineNum = ScheduleLineNumber((index + 1) * kLineStep);
        const bool fixedPrice = TestFlagBit(item->m_wFlags, ITEM_FIXED_PRICE);
        if (!fixedPrice && m_shape.m_unpricedEvery > 0 && index % m_shape.m_unpricedEvery == m_shape.m_unpricedEvery - 1)
            MakeEvalErrorValue(&item->m_fUnitPrice);
        MarkChoice(*item, inSection);
        m_prop.m_items.Add(std::move(item));
    }

    static void MarkChoice(CItem& item, int inSection)
    {
        if (inSection % 12 == 1 || inSection % 12 == 2) {
            ChangeFlagBit(&item.m_wFlags, ITEM_IS_ALTERNATE, 1);
            item.m_strAltCode = inSection % 12 == 1 ? "01A" : "01B";
        } else if (inSection % 17 == 3 || inSection % 17 == 4) {
            ChangeFlagBit(&item.m_wFlags, ITEM_IS_OPTION, 1);
            item.m_strAltCode = inSection % 17 == 3 ? "02A" : "02B";
        }
    }

    // Rule 0 keeps the price within reason for the kind of work; half the caps also hold the
    // item to a share of the bid, the kind that depends on the totals.
    void AddBidCaps()
    {
        if (m_shape.m_bidCapEvery <= 0)
            return;
        int count = 0;
        size_t identity = 0;
        for (const auto& row : m_prop.m_items) {
            if (row->IsSection())
                continue;
            const RoadItem& kind = *m_identities[identity++].m_kind;
            if (++count % m_shape.m_bidCapEvery != 0 || TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE))
                continue;
            CBidCap* cap = m_prop.GetOrCreateBidCap(row->m_strItemNum);
            cap->m_iRuleCount = 2;
            cap->m_strMinimum[0] = PriceText(kind.m_priceLow / 2);
            cap->m_strMaximum[0] = PriceText(kind.m_priceHigh * 2);
            cap->m_strMessage[0] = "Unit price of item " + row->m_strItemNum + " must lie between " +
                                   cap->m_strMinimum[0] + " and " + cap->m_strMaximum[0];
            const bool shareOfBid = count / m_shape.m_bidCapEvery % 2 != 0;
            cap->m_strMaximum[1] = shareOfBid ? "@TOTAL * 0.15 / @QUAN" : PriceText(kind.m_priceHigh * 3);
            cap->m_strMessage[1] = shareOfBid ? "Item " + row->m_strItemNum + " may not exceed 15% of the bid"
                                              : "Unit price of item " + row->m_strItemNum + " is unbalanced";
        }
    }

    CProp& m_prop;
    const ProposalShape& m_shape;
    CGeneratorRandom& m_random;
    std::vector<Identity> m_identities;
    std::map<std::string, int> m_uses;
};

} // namespace

void AddSchedule(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random)
{
    ScheduleBuilder(prop, shape, random).Build();
}

std::unique_ptr<CItem> MakeScheduleItem(const RoadItem& kind, const std::string& itemNumber, CGeneratorRandom& random)
{
    auto item = std::make_unique<CItem>();
    item->m_strItemNum = itemNumber;
    item->m_strUnit = kind.m_unit;
    item->m_strShortDesc = kind.m_shortDesc;
    item->m_strLongDesc = std::string(kind.m_shortDesc) + ", AS SPECIFIED IN SECTION " + std::string(kind.m_code, 3);
    item->m_fQuan = random.Uniform(kind.m_quantityLow, kind.m_quantityHigh, kind.m_quantityStep);
    const bool fixedPrice = kind.m_priceLow == kind.m_priceHigh;
    item->m_fUnitPrice = fixedPrice ? kind.m_priceLow : random.Uniform(kind.m_priceLow, kind.m_priceHigh, 0.01);
    if (fixedPrice) {
        ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_PRICE, 1);
        ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_COUNTS_PRICED, 1);
    } else if (IsLumpSum(kind)) {
        ChangeFlagBit(&item->m_wFlags, ITEM_LUMP_SUM, 1);
    }
    return item;
}

std::string ScheduleLineNumber(int number)
{
    return Padded(number, 4);
}
