#include "app/tree/FirmForms.h"

#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"

namespace {

// The field id of the firm's name.
constexpr int kFirmNameField = 0;
// The form's further texts after its title (text 3).
enum : int { kListTitle = 1, kItemTitle = 2, kFirmName = 3, kItemName = 4 };

} // namespace

CWinMeta* ActiveFirmForm(const CProp& prop, int kind)
{
    return IsDbeTypeActive(prop, kind) ? prop.GetDbeForm(kind) : nullptr;
}

bool RecordsFirmItems(const CProp& prop, int kind)
{
    const CWinMeta* form = ActiveFirmForm(prop, kind);
    return form && TestFlagBit(form->m_wFlags, FORM_ROWS_HAVE_FIRM_ITEMS);
}

const std::string& FormListTitle(const CWinMeta& form)
{
    return form.m_strFurtherTexts[kListTitle];
}

const std::string& FormItemTitle(const CWinMeta& form)
{
    return form.m_strFurtherTexts[kItemTitle];
}

const std::string& FormFirmName(const CWinMeta& form)
{
    return form.m_strFurtherTexts[kFirmName];
}

const std::string& FormItemName(const CWinMeta& form)
{
    return form.m_strFurtherTexts[kItemName];
}

bool HasFirmNameField(const CWinMeta& form)
{
    return form.GetColumnOfField(kFirmNameField) != CWinMeta::kNoColumn;
}

std::string FirmNameOf(const CWinMeta& form, int row)
{
    const CCellData* cell = form.GetCellById(row, kFirmNameField);
    return cell && !cell->m_strText.empty() ? cell->m_strText : "<Unknown>";
}
