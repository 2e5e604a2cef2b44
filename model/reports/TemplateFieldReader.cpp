#include "model/reports/TemplateFieldReader.h"

#include "model/reports/ReportState.h"
#include "model/reports/TemplateError.h"
#include "model/reports/TemplateFormat.h"

#include <algorithm>

CFieldValue CTemplateFieldReader::Fetch(const CTemplateField& field, int record) const
{
    if (field.m_pRow->m_iKind == FK_LITERAL)
        return CFieldValue::Text(field.m_strLiteral);
    return FetchFieldValue(m_state, *field.m_pRow, field.m_iId, field.m_iFirmType, record);
}

std::string CTemplateFieldReader::Format(const CTemplateField& field, const CFieldValue& value) const
{
    std::optional<std::string> text = FormatFieldText(m_state, field, value);
    if (!text)
        Fail(field.m_iColumn, FormatTemplateMessage("Unknown Print Format! (field %s in template [%s])",
                                                    field.m_strName.c_str(), m_parsed.m_strName.c_str()));
    return std::move(*text);
}

std::string CTemplateFieldReader::WholeText(const CTemplateField& field) const
{
    const bool list = GetFieldRecordCount(m_state, *field.m_pRow, field.m_iId, field.m_iFirmType) >= 0;
    const CFieldValue value = Fetch(field, list ? 0 : -1);
    std::string text = value.IsPresent() ? Format(field, value) : std::string();
    return FitToWidth(ApplyTextOptions(std::move(text), field.m_textOptions), Width(field), field, false);
}

int CTemplateFieldReader::Width(const CTemplateField& field) const
{
    const int size = IntegerOption(field.m_size);
    return std::clamp(size > 0 ? size : field.m_pRow->m_iWidth, 0, kMaxTemplateFieldWidth);
}

int CTemplateFieldReader::IntegerOption(const std::optional<CIntegerOption>& option) const
{
    return option ? EvaluateIntegerOption(m_state, *option) : 0;
}

void CTemplateFieldReader::Fail(int column, const std::string& message) const
{
    throw CTemplateError(message, m_parsed.m_strName, m_line ? m_line->m_iNumber : 0, column);
}
