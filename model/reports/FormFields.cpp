#include "model/reports/FieldValues.h"

#include "model/records/Prop.h"
#include "model/reports/ReportState.h"
#include "model/text/FlagWord.h"

namespace {

CFieldValue CellText(const CWinMeta* form, int row, int column)
{
    const CCellData* cell = form ? form->GetCell(row, column) : nullptr;
    return cell ? CFieldValue::Text(cell->m_strText) : CFieldValue::Missing();
}

CFieldValue ContextValue(const CProp& prop, int number)
{
    switch (number) {
    case CONTEXT_MISC: return CFieldValue::Number(TestFlagBit(prop.m_wFlags, PROP_HAS_MISC_FORMS));
    case CONTEXT_DEFINED: return CFieldValue::Number(prop.m_miscForms.GetSize() > 0);
    default: return CFieldValue::Missing();
    }
}

} // namespace

const CWinMeta* FirmFormOfField(const CReportState& state, int firmType)
{
    if (state.m_pDbeForm)
        return state.m_pDbeForm;
    return state.m_pProp ? state.m_pProp->GetDbeForm(firmType) : nullptr;
}

CFieldValue FetchFormFieldValue(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType,
                                int record)
{
    const CProp& prop = *state.m_pProp;
    const int position = id % kFormFieldsPerBase;
    switch (row.m_iKind) {
    case FK_FIRM_FORM:
        return CellText(FirmFormOfField(state, firmType), state.m_iRow >= 0 ? state.m_iRow : record, position);
    // The bond and the miscellaneous forms hold one row of the bidder's values.
    case FK_BOND_FORM: return CellText(prop.m_pBondForm.get(), 0, position);
    case FK_MISC_DATA:
        return CellText(prop.m_miscForms.GetAtOrNull(id / kFormFieldsPerBase - kMiscFormFieldBase / kFormFieldsPerBase),
                        0, position);
    case FK_MISC_CONTEXT: return ContextValue(prop, position);
    default: return CFieldValue::Missing();
    }
}
