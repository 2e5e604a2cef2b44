#pragma once

#include "model/reports/FieldTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A report template once parsed: lines of literal text and braced elements. Parsed templates
// are kept for the rest of a report and never change; what a run changes lives in the run.

enum TemplateOptionId : int {
    OPT_SIZE = 10,
    OPT_FORMAT = 11,
    OPT_JUSTIFY = 12,
    OPT_INDEX = 13,
    OPT_START = 14,
    OPT_MAXLINES = 15,
    OPT_MINLINES = 16,
    OPT_COMMAS = 17,
    OPT_MONEY = 18,
    OPT_REPEAT = 19,
    OPT_RESET = 20,
    OPT_SUBSTRING = 21,
    OPT_REPLACE = 22,
    OPT_STRSTR = 23,
    OPT_STRIP = 24,
    OPT_CLIP = 25,
    OPT_REMOVE = 26,
    OPT_ADJUST = 27,
};

// Option flag bits of a field.
enum : uint16_t {
    FO_RIGHT = 1 << 1,
    FO_LEFT = 1 << 2,
    FO_CENTER = 1 << 3,
    FO_JUSTIFY_MASK = FO_RIGHT | FO_LEFT | FO_CENTER,
    FO_COMMAS = 1 << 4,
    FO_MONEY = 1 << 5,
    FO_REPEAT = 1 << 6,
    FO_INDEX = 1 << 7,
    FO_START = 1 << 9, // START given, or RESET
    FO_IN_CONDITION = 1 << 14,
};

// Condition operators, in the codes of their tokens.
enum TemplateOperator : int {
    OP_LEAF = 0,
    OP_AND = 1,
    OP_OR = 2,
    OP_GREATER = 3,
    OP_LESS = 4,
    OP_GREATER_EQUAL = 5,
    OP_LESS_EQUAL = 6,
    OP_NOT_EQUAL = 7,
    OP_EQUAL = 8,
};

// An integer option: an expression over the print variables, or a plain number read once.
struct CIntegerOption {
    std::string m_strExpression;
    std::optional<int> m_literal;
};

// SUBSTRING, REPLACE, STRSTR, STRIP, CLIP and REMOVE, applied in the order written.
struct CTextOption {
    int m_iId;
    std::string m_strValue;
};

struct CTemplateField {
    int m_iId = FIELD_STRING;
    int m_iFirmType = 0; // the firm form a form field's name was found in
    const CTemplateFieldDef* m_pRow = nullptr;
    uint16_t m_wFlags = 0;
    std::string m_strName;    // as written, for messages
    std::string m_strLiteral; // STRING, NUMBERSTRING and TEMPLATE
    std::optional<CIntegerOption> m_size, m_index, m_start, m_maxLines, m_minLines;
    std::optional<std::string> m_format;
    std::optional<std::string> m_adjust;
    std::vector<CTextOption> m_textOptions;
    int m_iColumn = 0; // where it stands in its line, for messages
};

struct CTemplateCondition {
    int m_iOperator = OP_LEAF;
    int m_iField = -1; // a leaf's field
    std::unique_ptr<CTemplateCondition> m_left;
    std::unique_ptr<CTemplateCondition> m_right;
};

struct CTemplateElement {
    std::string m_strText;                          // literal text, when there is no condition
    std::unique_ptr<CTemplateCondition> m_condition;
    int m_iThen = -1;     // the field printed when the condition holds, or the element's only field
    int m_iElse = -1;
    bool m_bHasChoice = false;   // "?": the condition chooses between the two fields
    bool m_bPrintsTruth = false; // a condition without "?" that is not a lone field: TRUE or FALSE
    int m_iColumn = 0;

    bool IsLiteral() const { return !m_condition; }
};

struct CTemplateLine {
    std::vector<CTemplateElement> m_elements;
    bool m_bJoined = false; // ended in a backslash: no line end after it
    int m_iNumber = 0;      // from 1
};

class CParsedTemplate {
public:
    std::string m_strName;
    std::vector<CTemplateLine> m_lines;
    std::vector<CTemplateField> m_fields;
};
