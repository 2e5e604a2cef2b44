#pragma once

#include "model/reports/FieldTable.h"

#include <string>
#include <string_view>

class CItem;
class CSite;
class CWinMeta;
struct CReportState;

// One value read through the field table: a text (FT_TEXT) or a number (every other type: dates
// are time values, flags 0 or 1). Missing when its object or value is absent: nothing prints.
class CFieldValue {
public:
    static CFieldValue Missing() { return {}; }
    static CFieldValue Text(std::string_view text);
    static CFieldValue OwnedText(std::string text);
    static CFieldValue Number(double number);

    bool IsPresent() const { return m_bPresent; }
    std::string_view GetText() const { return m_bOwned ? std::string_view(m_strOwned) : m_text; }
    double GetNumber() const { return m_dNumber; }

private:
    bool m_bPresent = false;
    bool m_bOwned = false;
    std::string_view m_text; // into the record, which outlives the formatting
    std::string m_strOwned;
    double m_dNumber = 0;
};

// Fields of the record kinds (addendum notes, counties, the error list, and sites or firm rows
// when the report has no current one) read one record per line of output. The number of
// records such a field walks through; -1 for a field that reads one object.
int GetFieldRecordCount(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType);

// The field's value in its current object, or in record `record` of its list. `id` is the
// field's own id (derived for form fields); `firmType` the form its template resolved it in.
CFieldValue FetchFieldValue(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType,
                            int record);

// The computed kind, and the fields of the agency's forms.
CFieldValue FetchComputedValue(const CReportState& state, int id, int record);
CFieldValue FetchFormFieldValue(const CReportState& state, const CTemplateFieldDef& row, int id, int firmType,
                                int record);

// The objects the fields read; null where there is none.
const CItem* GetReportRow(const CReportState& state, int index, bool section);
const CSite* GetReportSite(const CReportState& state, int record);
// The report's current firm form, else the form the template's name chose.
const CWinMeta* FirmFormOfField(const CReportState& state, int firmType);
