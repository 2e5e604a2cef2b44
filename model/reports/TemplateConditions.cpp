#include "model/reports/TemplateConditions.h"

#include "model/eval/EvaluatorState.h"
#include "model/records/Prop.h"
#include "model/reports/ReportState.h"
#include "model/reports/TemplateFieldReader.h"
#include "model/reports/TemplateFormat.h"
#include "model/text/AmountText.h"
#include "model/text/TextUtil.h"

bool CTemplateConditions::Holds(const CTemplateCondition& condition) const
{
    const std::string text = Text(condition);
    bool valid = false;
    const double value = EvaluateNumberText(text, &valid);
    return valid ? value != 0 : !text.empty();
}

std::string CTemplateConditions::Text(const CTemplateCondition& node) const
{
    if (node.m_iOperator != OP_LEAF)
        return Compare(node) ? "1" : "";
    const CTemplateField& field = m_reader.Parsed().m_fields[std::size_t(node.m_iField)];
    if (field.m_iId != FIELD_NUMBERSTRING)
        return m_reader.WholeText(field);
    std::string literal = field.m_strLiteral;
    RemoveCurrencyAndSeparators(literal, m_reader.State().m_pProp->GetCurrencySymbol(0));
    return literal;
}

bool CTemplateConditions::IsNumeric(const CTemplateCondition& node) const
{
    if (node.m_iOperator != OP_LEAF)
        return true;
    return m_reader.Parsed().m_fields[std::size_t(node.m_iField)].m_iId == FIELD_NUMBERSTRING;
}

// An empty text is 0, a text that is not a number 1.
double CTemplateConditions::Number(const CTemplateCondition& node) const
{
    std::string text = Text(node);
    RemoveCurrencyAndSeparators(text, m_reader.State().m_pProp->GetCurrencySymbol(0));
    if (text.find_first_not_of(" \t") == std::string::npos)
        return 0;
    bool valid = false;
    int error = 0;
    const double value = EvaluateNumberText(text, &valid, &error);
    if (valid)
        return value;
    return error == EvalUnrecognizedCharacter ? 1 : 0;
}

bool CTemplateConditions::Compare(const CTemplateCondition& node) const
{
    const CTemplateCondition& left = *node.m_left;
    const CTemplateCondition& right = *node.m_right;
    if (IsNumeric(left) || IsNumeric(right)) {
        const double a = Number(left);
        const double b = Number(right);
        switch (node.m_iOperator) {
        case OP_AND: return a != 0 && b != 0;
        case OP_OR: return a != 0 || b != 0;
        case OP_GREATER: return a > b;
        case OP_LESS: return a < b;
        case OP_GREATER_EQUAL: return a >= b;
        case OP_LESS_EQUAL: return a <= b;
        case OP_NOT_EQUAL: return a != b;
        default: return a == b;
        }
    }
    const std::string a = Text(left);
    const std::string b = Text(right);
    switch (node.m_iOperator) {
    case OP_AND: return !a.empty() && !b.empty();
    case OP_OR: return !a.empty() || !b.empty();
    case OP_GREATER: return a > b;
    case OP_LESS: return a < b;
    case OP_GREATER_EQUAL: return a >= b;
    case OP_LESS_EQUAL: return a <= b;
    case OP_NOT_EQUAL: return !WildcardMatch(a, b, false);
    default: return WildcardMatch(a, b, false);
    }
}
