#include "bench/generator/FormGenerator.h"

#include "bench/generator/GeneratorRandom.h"
#include "bench/generator/PickListFiles.h"
#include "bench/generator/ProposalGenerator.h"
#include "bench/generator/RoadCatalogue.h"
#include "model/check/FormChecks.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

enum FieldKind { TEXT = 1, NUMBER = 2, MONEY = 3, DATE = 4, YES_NO = 5, LIST = 6, EDITABLE_LIST = 7, CHECK_BOX = 10 };

constexpr int FIELD_LIST_IN_PROPOSAL = 0;
constexpr int PROP_HAS_FIRM_FORMS = 15; // the proposal flag the certified-bidder test asks for
constexpr int kNoId = -1;
constexpr int kLabelWidth = 22; // fields start after the widest label
// Firm items keep clear of the top of their 16-bit index, so rows inserted by amendments move
// them without overflow.
constexpr int kFirmItemIndexLimit = 32767 - 256;

struct FieldDraft {
    const char* m_label; // the field's name and its label on the form
    int m_kind;
    int m_width;
    int m_id;            // the form's field id, or kNoId
    const char* m_list;  // the pick list it offers, or null
    bool m_required;
    bool m_listInFile = false; // the list is a file beside the proposal, not one it carries
};

constexpr FieldDraft kFirmFields[] = {
    {"Firm", LIST, 40, 0, nullptr, true}, // each firm form offers its own list
    {"Work Type", EDITABLE_LIST, 30, 1, "Work Types", false},
    {"Amount", MONEY, 16, FIRM_FIELD_AMOUNT, nullptr, true},
    {"Participation", LIST, 16, FIRM_FIELD_TYPE, "Participation Types", true},
    {"Counts Toward Goal", YES_NO, 6, FIRM_FIELD_COUNTS, nullptr, false},
};

constexpr FieldDraft kBondFields[] = {
    {"Surety", EDITABLE_LIST, 40, 0, "Sureties", true},
    {"Bond Number", TEXT, 20, 1, nullptr, true},
    {"Bond Percent", NUMBER, 8, BOND_FIELD_PERCENT, nullptr, false},
    {"Bond Amount", MONEY, 16, BOND_FIELD_AMOUNT, nullptr, false},
    {"Attorney in Fact", TEXT, 40, 4, nullptr, true},
    {"Date Executed", DATE, 10, 5, nullptr, true},
};

constexpr FieldDraft kPlantFields[] = {
    {"Plant Name", LIST, 40, kNoId, kPlantListFile, true, true},
    {"County", LIST, 20, kNoId, "Counties", true},
    {"Haul Distance (miles)", NUMBER, 8, kNoId, nullptr, false},
};

constexpr FieldDraft kAffidavitFields[] = {
    {"Affiant", TEXT, 40, kNoId, nullptr, true},
    {"Title", LIST, 30, kNoId, kSignerTitleListFile, true, true},
    {"Signed", CHECK_BOX, 4, kNoId, nullptr, true},
    {"Date Signed", DATE, 10, kNoId, nullptr, false},
};

struct MiscFormDraft {
    const char* m_title;
    std::span<const FieldDraft> m_fields;
};

constexpr MiscFormDraft kMiscForms[] = {
    {"Asphalt Plant Location", kPlantFields},
    {"Non-Collusion Affidavit", kAffidavitFields},
};

void OfferList(CFieldInfo& field, const char* list, bool inFile = false)
{
    field.m_strText = list;
    ChangeFlagBit(&field.m_wFlags, FIELD_LIST_IN_PROPOSAL, inFile ? 0 : 1);
    field.m_iAlignment = 1; // whole entries unless the columns are narrowed
    field.m_strHelp += ", chosen from the list";
}

void AddField(CWinMeta& form, const FieldDraft& draft)
{
    const int column = form.m_fields.GetSize();
    CFieldInfo& field = *form.m_fields.Add(std::make_unique<CFieldInfo>());
    field.m_strName = draft.m_label;
    field.m_iKind = draft.m_kind;
    field.m_iY = column;
    field.m_iX = kLabelWidth;
    field.m_iWidth = draft.m_width;
    field.m_iRequirement = draft.m_required ? kFieldAlwaysRequired : kFieldNeverRequired;
    field.m_strHelp = std::string("Enter the ") + draft.m_label;
    if (draft.m_list)
        OfferList(field, draft.m_list, draft.m_listInFile);
    if (draft.m_id != kNoId)
        form.m_wColumnOfId[size_t(draft.m_id)] = uint16_t(column);
    form.m_texts.push_back(std::string(draft.m_label) + ":");
}

std::unique_ptr<CWinMeta> MakeForm(const char* title, std::span<const FieldDraft> fields)
{
    auto form = std::make_unique<CWinMeta>();
    form->m_strFurtherTexts[0] = title;
    form->m_strFontFace = "MS Sans Serif";
    form->m_iFontSize = 8;
    form->m_bytePair = {3, 2};
    for (const FieldDraft& draft : fields)
        AddField(*form, draft);
    return form;
}

void AddPickList(CProp& prop, const char* name, std::span<const char* const> entries)
{
    CSAStringArray* list = prop.NewPickList(name, 0);
    for (const char* entry : entries)
        list->Add(entry);
}

// The rows a firm can be committed to: item rows, never section rows.
std::vector<int> CommittableRows(const CProp& prop)
{
    std::vector<int> rows;
    for (int index = 0; index < std::min(prop.m_items.GetSize(), kFirmItemIndexLimit); ++index)
        if (!prop.m_items[index]->IsSection())
            rows.push_back(index);
    return rows;
}

// The item row drawn from all rows, or for a drawn section the item just above it (the first
// item for the first section), so that other draws keep their rows.
int CommittedRow(const std::vector<int>& rows, int drawn)
{
    const auto after = std::upper_bound(rows.begin(), rows.end(), drawn);
    return after == rows.begin() ? rows.front() : *std::prev(after);
}

// A third of the item, or the whole of an item a third of which rounds to nothing, such as a
// lump sum.
double CommittedQuantity(const CItem& item)
{
    const double third = std::round(item.m_fQuan / 3);
    return third > 0 ? third : item.m_fQuan;
}

void AddFirmItem(const CProp& prop, CRowData& row, int index)
{
    const CItem* item = prop.m_items.GetAt(index);
    auto entry = std::make_unique<CDBEItem>();
    entry->m_iNumber = int16_t(index);
    entry->m_dQuantity = CommittedQuantity(*item);
    entry->m_dUnitPrice = item->m_fUnitPrice;
    entry->m_dExtension = IsEvalValueValid(item->m_fUnitPrice) ? entry->m_dQuantity * item->m_fUnitPrice : 0;
    entry->m_strNote = "Subcontract quote";
    row.m_dbeItems.Add(std::move(entry));
}

void AddFirms(const CProp& prop, CWinMeta& form, std::span<const char* const> firms, int count, int itemsPerFirm,
              CGeneratorRandom& random)
{
    const int addressable = std::min(prop.m_items.GetSize(), kFirmItemIndexLimit);
    const std::vector<int> rows = CommittableRows(prop);
    for (int f = 0; f < count; ++f) {
        CRowData* row = form.AddRow(-1, -1);
        ChangeFlagBit(&row->m_wFlags, ROW_COMPLETE, 1);
        const char* participation = f % 4 == 0 ? "Supplier" : "Subcontractor";
        const int typeIndex = random.Pick(0, int(FirmWorkTypes().size()) - 1);
        row->m_cells[0]->m_strText = firms[size_t(f) % firms.size()];
        row->m_cells[1]->m_strText = FirmWorkTypes()[size_t(typeIndex)];
        row->m_cells[1]->m_iSelection = int16_t(typeIndex);
        row->m_cells[3]->m_strText = participation;
        row->m_cells[4]->m_strText = "Yes";
        row->m_cells[4]->m_iSelection = 1;
        for (int i = 0; i < itemsPerFirm && !rows.empty(); ++i)
            AddFirmItem(prop, *row, CommittedRow(rows, random.Pick(0, addressable - 1)));
    }
}

std::unique_ptr<CWinMeta> MakeFirmForm(const char* title, const char* list, char idLetter, double goal)
{
    auto form = MakeForm(title, kFirmFields);
    form->m_dGoal = goal;
    ChangeFlagBit(&form->m_wFlags, FORM_GOAL_BY_PERCENT, 1);
    ChangeFlagBit(&form->m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS, 1);
    CFieldInfo& firmField = *form->m_fields[0];
    OfferList(firmField, list);
    // The ID and the firm's name, as far as the field is wide: an agency's list names its firms.
    firmField.m_iLastColumn = firmField.m_iWidth;
    // Only the program's own certified firms: their IDs begin with its letter.
    CDataFilter& filter = *form->m_filters.SetAt(list, std::make_unique<CDataFilter>());
    filter.m_iStartColumn = 1;
    filter.m_iEndColumn = 1;
    filter.m_strPatterns[0] = std::string(1, idLetter);
    form->m_dbFields.SetAt("Program", std::make_unique<CDBField>())->m_strText = std::string(1, idLetter) + "BE";
    form->m_dbFields.SetAt("FirmTable", std::make_unique<CDBField>())->m_strText = "CERTIFIED_FIRMS";
    return form;
}

void AddFirmForms(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random)
{
    AddPickList(prop, "DBE Firms", DbeFirmEntries());
    AddPickList(prop, "MBE Firms", MbeFirmEntries());
    AddPickList(prop, "WBE Firms", WbeFirmEntries());
    AddPickList(prop, "Work Types", FirmWorkTypes());
    AddPickList(prop, "Participation Types", FirmParticipationTypes());
    prop.m_pDbeForm = MakeFirmForm("DBE Participation", "DBE Firms", 'D', 8);
    prop.m_pMbeForm = MakeFirmForm("MBE Participation", "MBE Firms", 'M', 3);
    prop.m_pWbeForm = MakeFirmForm("WBE Participation", "WBE Firms", 'W', 2);
    AddFirms(prop, *prop.m_pDbeForm, DbeFirmEntries(), shape.m_firms, shape.m_firmItemsPerFirm, random);
    AddFirms(prop, *prop.m_pMbeForm, MbeFirmEntries(), shape.m_minorityFirms, 2, random);
    AddFirms(prop, *prop.m_pWbeForm, WbeFirmEntries(), shape.m_minorityFirms, 2, random);
    for (int bit : {int(PROP_HAS_DBE_FORM), int(PROP_HAS_MBE_FORM), int(PROP_HAS_WBE_FORM), PROP_HAS_FIRM_FORMS})
        ChangeFlagBit(&prop.m_wFlags, bit, 1);
}

void AddMiscForms(CProp& prop, int count)
{
    CSAStringArray* counties = prop.NewPickList("Counties", 0);
    for (const CountyName& county : CountyNames())
        counties->Add(std::string(county.m_id) + " " + county.m_name);
    for (int i = 0; i < count; ++i) {
        const MiscFormDraft& kind = kMiscForms[size_t(i) % std::size(kMiscForms)];
        std::string title = kind.m_title;
        if (i >= int(std::size(kMiscForms)))
            title += " " + std::to_string(i / std::size(kMiscForms) + 1);
        prop.m_miscForms.Add(MakeForm(title.c_str(), kind.m_fields))->AddRow(-1, -1);
    }
    ChangeFlagBit(&prop.m_wFlags, PROP_HAS_MISC_FORMS, count > 0 ? 1 : 0);
}

void AddBondForm(CProp& prop)
{
    AddPickList(prop, "Sureties", SuretyNames());
    prop.m_pBondForm = MakeForm("Bid Bond", kBondFields);
    prop.m_pBondForm->m_dGoal = 5; // per cent of the bid
    prop.m_pBondForm->AddRow(-1, -1);
    ChangeFlagBit(&prop.m_wFlags2, PROP2_HAS_BOND_FORM, 1);
}

} // namespace

void AddAgencyForms(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random)
{
    if (shape.m_firmForms)
        AddFirmForms(prop, shape, random);
    if (shape.m_miscForms > 0)
        AddMiscForms(prop, shape.m_miscForms);
    if (shape.m_bondForm)
        AddBondForm(prop);
}
