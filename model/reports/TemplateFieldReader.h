#pragma once

#include "model/reports/FieldValues.h"
#include "model/reports/TemplateTypes.h"

#include <optional>
#include <string>

struct CReportState;

// Reads and formats the fields of one parsed template for its run and its conditions; failures
// name the template, the line being run and the field's column.
class CTemplateFieldReader {
public:
    CTemplateFieldReader(CReportState& state, const CParsedTemplate& parsed) : m_state(state), m_parsed(parsed) {}

    CReportState& State() const { return m_state; }
    const CParsedTemplate& Parsed() const { return m_parsed; }
    void SetLine(const CTemplateLine& line) { m_line = &line; }

    // The field's value in its current object, or in record `record` of its list.
    CFieldValue Fetch(const CTemplateField& field, int record) const;
    std::string Format(const CTemplateField& field, const CFieldValue& value) const;
    // The whole value as one text (the first record of a list), text options applied, fitted to
    // the field's width as printed (a text cut, a number whole) but not padded: what a condition
    // compares.
    std::string WholeText(const CTemplateField& field) const;
    int Width(const CTemplateField& field) const;
    int IntegerOption(const std::optional<CIntegerOption>& option) const;

    [[noreturn]] void Fail(int column, const std::string& message) const;

private:
    CReportState& m_state;
    const CParsedTemplate& m_parsed;
    const CTemplateLine* m_line = nullptr;
};
