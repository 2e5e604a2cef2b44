#include "bench/generator/AmendmentGenerator.h"

#include "bench/generator/AgencyTemplates.h"
#include "bench/generator/GeneratorRandom.h"
#include "bench/generator/RoadCatalogue.h"
#include "bench/generator/ScheduleEditor.h"
#include "bench/generator/ScheduleGenerator.h"
#include "model/amend/AmendmentResult.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int32_t kWeek = 7 * 86400;

constexpr const char* kNewDbeFirm = "D0139 TALLGRASS CONSTRUCTION SERVICES";
const RoadItem kGuardrailUpgrade[] = {
    {"614.30", "GUARDRAIL, MIDWEST GUARDRAIL SYSTEM", "LF", 200, 2500, 12.5, 24, 40},
    {"614.31", "GUARDRAIL END TERMINAL, MASH TL-3", "EA", 2, 8, 1, 3500, 5200},
    {"614.32", "REMOVE EXISTING GUARDRAIL", "LF", 200, 2500, 12.5, 4, 9},
};
constexpr double kRaisedForceAccount = 75000;

int QuantityRevisions(const CProp& prop) { return std::max(2, prop.m_items.GetSize() / 100); }

// A new item number that no generated item has: the item's stem, "A" and the addendum's number.
std::string NewItemNumber(std::string_view itemNumber, int number)
{
    return std::string(itemNumber.substr(0, 6)) + "A" + std::to_string(number);
}

class EditionMaker {
public:
    EditionMaker(CProp& edition, int number, uint32_t seed)
        : m_edition(edition), m_number(number), m_random(seed * 7919u + uint32_t(number)), m_editor(edition, m_random)
    {
    }

    void Make()
    {
        m_edition.m_iAmendmentCount = m_number;
        m_edition.m_iDateRevised = m_edition.m_iLettingDate - (4 - m_number) * kWeek;
        if (m_number == 1)
            MakeFirst();
        else
            MakeSecond();
        auto note = std::make_unique<CNote>();
        note->m_iAmendmentNumber = m_number;
        note->m_iAmendmentDate = m_edition.m_iDateRevised;
        note->m_strDescription = m_summary;
        m_edition.m_notes.Add(std::move(note));
        // The report formats give the edition's own line numbers room.
        InstallAgencyTemplates(m_edition);
    }

private:
    void Say(const std::string& what) { m_summary += (m_summary.empty() ? "" : "; ") + what; }

    void ReviseQuantities()
    {
        const std::vector<int> rows = m_editor.PickPlainItems(QuantityRevisions(m_edition));
        for (int row : rows)
            m_editor.ReviseQuantity(row);
        if (!rows.empty())
            Say("Revised quantities of " + std::to_string(rows.size()) + " items");
    }

    void DeleteItem(int row)
    {
        Say("Deleted line " + m_edition.m_items[row]->m_strLineNum);
        m_editor.DeleteRow(row);
    }

    // More of the same work at a second place: the neighbour's kind under a new number.
    void InsertAfter(const CItem& neighbour, const std::string& line)
    {
        int index = 0;
        while (m_edition.m_items[index] != &neighbour)
            ++index;
        auto row = std::make_unique<CItem>();
        row->CopyFrom(neighbour);
        row->m_strItemNum = NewItemNumber(neighbour.m_strItemNum, m_number);
        row->m_strLineNum = line;
        row->m_fQuan = std::max(1.0, std::round(neighbour.m_fQuan / 2));
        m_editor.InsertRow(index + 1, std::move(row));
        Say("Added line " + line);
    }

    void MakeFirst()
    {
        ReviseQuantities();
        // The new line is found among the lines there were: a reused line number would match
        // the deleted row as a changed one.
        const std::vector<int> rows = m_editor.PickPlainItems(2);
        const CItem* neighbour = rows.size() == 2 ? m_edition.m_items[rows[1]] : nullptr;
        const std::string line = neighbour ? m_editor.LineAfter(rows[1]) : std::string();
        if (!rows.empty())
            DeleteItem(rows[0]);
        if (!line.empty())
            InsertAfter(*neighbour, line);
        if (CSAStringArray* firms = m_edition.GetPickList("DBE Firms", 0)) {
            firms->Add(kNewDbeFirm);
            Say("Certified firm D0139 added");
        }
        if (!m_edition.m_miscForms.IsEmpty())
            AddPermitField(*m_edition.m_miscForms[0]);
        AddCounty();
        if (!m_edition.m_sites.IsEmpty()) {
            m_edition.m_sites[0]->m_iEndDate += 2 * kWeek;
            Say("Site 1 completion extended two weeks");
        }
        if (!m_edition.m_bidCaps.IsEmpty()) {
            CBidCap& cap = *m_edition.m_bidCaps.begin()->second;
            cap.m_strMaximum[0] = "0.9 * " + cap.m_strMaximum[0];
            Say("Bid cap of item " + cap.m_strName + " lowered");
        }
    }

    void AddPermitField(CWinMeta& form)
    {
        auto field = std::make_unique<CFieldInfo>();
        field->m_strName = "Plant Permit Number";
        field->m_iKind = 1;
        field->m_iY = form.m_fields.GetSize();
        field->m_iX = form.m_fields.IsEmpty() ? 0 : form.m_fields[0]->m_iX;
        field->m_iWidth = 20;
        field->m_iRequirement = kFieldAlwaysRequired;
        form.m_fields.Add(std::move(field));
        form.m_texts.push_back("Plant Permit Number:");
        // The bidder's rows are made anew for the new fields.
        form.m_rows.DeleteAll();
        form.AddRow(-1, -1);
        Say("Added Plant Permit Number to " + form.m_strFurtherTexts[0]);
    }

    void AddCounty()
    {
        const auto names = CountyNames();
        const CountyName& name = names[size_t(m_edition.m_counties.GetSize() + 5) % names.size()];
        auto county = std::make_unique<CCounty>();
        county->m_strCountyId = name.m_id;
        county->m_strCountyName = name.m_name;
        m_edition.m_counties.Add(std::move(county));
    }

    void MakeSecond()
    {
        ReviseQuantities();
        for (const auto& row : m_edition.m_items)
            if (TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE) && row->m_strUnit == "DOLL") {
                row->m_fUnitPrice = kRaisedForceAccount;
                Say("Force account amount raised");
                break;
            }
        // New lines come after every line there was, as above.
        const int lastLine = LastItemLine();
        if (const std::vector<int> rows = m_editor.PickPlainItems(1); !rows.empty())
            DeleteItem(rows[0]);
        AddGuardrailSection(lastLine);
        m_edition.m_strDescription += "; GUARDRAIL UPGRADE";
        m_edition.m_strSubmitUrls[1] = "https://bids2.dot.example.gov/zod/submit";
        if (m_edition.m_pDbeForm)
            m_edition.m_pDbeForm->m_dGoal += 1.5;
        if (m_edition.m_pBondForm)
            m_edition.m_pBondForm->m_dGoal = 10;
        if (!m_edition.m_otherReports.IsEmpty())
            m_edition.m_otherReports[0]->m_strText += "ADDENDA {AMENDMENT_FILES}\n";
    }

    int LastItemLine() const
    {
        int lastLine = 0;
        for (const auto& row : m_edition.m_items)
            if (!row->IsSection())
                std::from_chars(row->m_strLineNum.data(), row->m_strLineNum.data() + row->m_strLineNum.size(), lastLine);
        return lastLine;
    }

    void AddGuardrailSection(int lastLine)
    {
        int sections = 0;
        for (const auto& row : m_edition.m_items)
            sections += row->IsSection();
        auto section = std::make_unique<CItem>();
        ChangeFlagBit(&section->m_wFlags, ITEM_IS_SECTION, 1);
        section->m_strLineNum = ScheduleLineNumber(sections + 1);
        section->m_strLongDesc = "GUARDRAIL UPGRADE";
        m_editor.InsertRow(m_edition.m_items.GetSize(), std::move(section));
        for (const RoadItem& kind : kGuardrailUpgrade) {
            auto row = MakeScheduleItem(kind, NewItemNumber(kind.m_code, m_number), m_random);
            row->m_strLineNum = ScheduleLineNumber(lastLine += 10);
            m_editor.InsertRow(m_edition.m_items.GetSize(), std::move(row));
        }
        Say("Added section " + ScheduleLineNumber(sections + 1) + ", Guardrail Upgrade");
    }

    CProp& m_edition;
    int m_number;
    CGeneratorRandom m_random;
    CScheduleEditor m_editor;
    std::string m_summary;
};

} // namespace

std::unique_ptr<CProp> GenerateNextEdition(const CProp& older, int number, uint32_t seed)
{
    auto edition = CProp::MakeWholeCopy(older);
    EditionMaker(*edition, number, seed).Make();
    return edition;
}

std::unique_ptr<CProp> MakeAmendment(const CProp& newer, const CProp& older)
{
    auto amendment = CProp::MakeWholeCopy(newer);
    return amendment->ReduceToChanges(&older) == AMEND_NO_ERROR ? std::move(amendment) : nullptr;
}

AmendedProposal GenerateAmendedProposal(const ProposalShape& shape)
{
    AmendedProposal result;
    result.m_pProposal = GenerateProposal(shape);
    const CProp* older = result.m_pProposal.get();
    for (int number = 1; number <= 2; ++number) {
        auto& edition = result.m_editions[size_t(number - 1)];
        edition = GenerateNextEdition(*older, number, shape.m_seed);
        result.m_amendments[size_t(number - 1)] = MakeAmendment(*edition, *older);
        older = edition.get();
    }
    return result;
}
