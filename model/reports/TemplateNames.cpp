#include "model/reports/TemplateNames.h"

#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/reports/FieldTable.h"
#include "model/text/CharClass.h"
#include "model/text/TextUtil.h"

#include <algorithm>
#include <optional>

namespace {

// The split rule reads the two parts of a name into buffers of these sizes.
constexpr std::size_t kFirstPartLength = 15;
constexpr std::size_t kSecondPartLength = 16;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The position of the form's field of that name; -1 when there is none, or when it lies past
// what an id can carry. No name finds a field without one.
int FieldPosition(const CWinMeta* form, std::string_view name)
{
    if (!form || name.empty())
        return -1;
    const int count = std::min(form->m_fields.GetSize(), kFormFieldsPerBase);
    for (int position = 0; position < count; ++position)
        if (const CFieldInfo* field = form->m_fields.GetAtOrNull(position);
            field && EqualsIgnoringCase(field->m_strName, name))
            return position;
    return -1;
}

std::optional<CResolvedField> FindFormField(const CProp& prop, std::string_view name, std::string_view templateName)
{
    const int firmType = ChooseTemplateFirmType(prop, templateName);
    if (const int position = FieldPosition(prop.GetDbeForm(firmType), name); position >= 0)
        return CResolvedField{kFirmFormFieldBase + position, firmType};
    for (int k = 0; k < prop.m_miscForms.GetSize(); ++k)
        if (const int position = FieldPosition(prop.m_miscForms.GetAtOrNull(k), name); position >= 0)
            return CResolvedField{kMiscFormFieldBase + k * kFormFieldsPerBase + position};
    if (const int position = FieldPosition(prop.m_pBondForm.get(), name); position >= 0)
        return CResolvedField{kBondFormFieldBase + position};
    return std::nullopt;
}

std::pair<std::string_view, std::string_view> SplitAtUnderscore(std::string_view name)
{
    const std::size_t underscore = name.find('_');
    return {name.substr(0, underscore), name.substr(underscore + 1)};
}

// "IT_NUM" finds "ITEM_NUMBER": each part of the name begins the same part of a table name.
int FindBySplitRule(std::string_view name)
{
    auto [first, second] = SplitAtUnderscore(name);
    first = first.substr(0, kFirstPartLength);
    second = second.substr(0, kSecondPartLength);
    for (const CTemplateFieldDef& row : GetTemplateFieldTable()) {
        const std::string_view rowName = row.m_pszName;
        if (rowName.find('_') == std::string_view::npos)
            continue;
        const auto [rowFirst, rowSecond] = SplitAtUnderscore(rowName);
        if (StartsWithIgnoringCase(rowFirst, first) && StartsWithIgnoringCase(rowSecond, second))
            return row.m_iId;
    }
    return 0;
}

} // namespace

int ChooseTemplateFirmType(const CProp& prop, std::string_view templateName)
{
    for (const int type : {FIRM_MBE, FIRM_WBE}) {
        const char* pattern = type == FIRM_MBE ? "*MBE*" : "*WBE*";
        if (WildcardMatch(templateName, pattern, false) && IsDbeTypeActive(prop, type) && prop.GetDbeForm(type))
            return type;
    }
    for (const int type : {FIRM_DBE, FIRM_MBE, FIRM_WBE})
        if (prop.GetDbeForm(type))
            return type;
    return 0;
}

CResolvedField ResolveTemplateField(const CProp* prop, std::string_view name, std::string_view templateName)
{
    const auto table = GetTemplateFieldTable();
    for (const CTemplateFieldDef& row : table)
        if (EqualsIgnoringCase(row.m_pszName, name))
            return {row.m_iId};
    if (prop)
        if (const std::optional<CResolvedField> formField = FindFormField(*prop, name, templateName))
            return *formField;
    int prefixMatch = 0;
    for (const CTemplateFieldDef& row : table) {
        if (!StartsWithIgnoringCase(row.m_pszName, name))
            continue;
        if (prefixMatch)
            return {FIELD_STRING, 0, true};
        prefixMatch = row.m_iId;
    }
    if (prefixMatch)
        return {prefixMatch};
    if (name.find('_') != std::string_view::npos)
        if (const int id = FindBySplitRule(name))
            return {id};
    if (EqualsIgnoringCase(name, "MISC"))
        return {kContextFieldBase + CONTEXT_MISC};
    if (EqualsIgnoringCase(name, "DEFINED"))
        return {kContextFieldBase + CONTEXT_DEFINED};
    return {FIELD_STRING};
}
