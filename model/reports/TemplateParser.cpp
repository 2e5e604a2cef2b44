#include "model/reports/TemplateParser.h"

#include "model/reports/TemplateScanner.h"

namespace {

struct ComparisonToken {
    std::string_view m_text;
    int m_iOperator;
};

// Two-character tokens first, so that ">=" is not read as ">".
constexpr ComparisonToken kComparisons[] = {
    {">=", OP_GREATER_EQUAL}, {"<=", OP_LESS_EQUAL}, {"!=", OP_NOT_EQUAL}, {"==", OP_EQUAL},
    {">", OP_GREATER},        {"<", OP_LESS},        {"=", OP_EQUAL},
};

class CElementParser {
public:
    CElementParser(CTemplateScanner& scanner, const CProp* prop, CParsedTemplate& parsed)
        : m_scanner(scanner), m_prop(prop), m_parsed(parsed)
    {
    }

    // At the "{": the whole braced element up to its "}".
    CTemplateElement ParseBraced()
    {
        CTemplateElement element;
        element.m_iColumn = m_scanner.Column();
        m_scanner.Expect("{");
        element.m_condition = ParseOr();
        if (m_scanner.Accept("?")) {
            element.m_bHasChoice = true;
            element.m_iThen = ParseTemplateField(m_scanner, m_prop, m_parsed, false);
            if (m_scanner.Accept(":"))
                element.m_iElse = ParseTemplateField(m_scanner, m_prop, m_parsed, false);
        } else if (element.m_condition->m_iOperator == OP_LEAF) {
            // A lone field is printed, not tested.
            element.m_iThen = element.m_condition->m_iField;
            m_parsed.m_fields[std::size_t(element.m_iThen)].m_wFlags &= uint16_t(~FO_IN_CONDITION);
        } else {
            element.m_bPrintsTruth = true;
        }
        m_scanner.Expect("}");
        return element;
    }

private:
    using Node = std::unique_ptr<CTemplateCondition>;

    static Node Join(int op, Node left, Node right)
    {
        auto node = std::make_unique<CTemplateCondition>();
        node->m_iOperator = op;
        node->m_left = std::move(left);
        node->m_right = std::move(right);
        return node;
    }

    Node ParseOr()
    {
        Node node = ParseAnd();
        while (m_scanner.Accept("||"))
            node = Join(OP_OR, std::move(node), ParseAnd());
        return node;
    }

    Node ParseAnd()
    {
        Node node = ParseComparison();
        while (m_scanner.Accept("&&"))
            node = Join(OP_AND, std::move(node), ParseComparison());
        return node;
    }

    Node ParseComparison()
    {
        Node left = ParseOperand();
        for (const ComparisonToken& token : kComparisons)
            if (m_scanner.Accept(token.m_text))
                return Join(token.m_iOperator, std::move(left), ParseOperand());
        return left;
    }

    Node ParseOperand()
    {
        if (m_scanner.Accept("(")) {
            Node inner = ParseOr();
            m_scanner.Expect(")");
            return inner;
        }
        auto leaf = std::make_unique<CTemplateCondition>();
        leaf->m_iField = ParseTemplateField(m_scanner, m_prop, m_parsed, true);
        return leaf;
    }

    CTemplateScanner& m_scanner;
    const CProp* m_prop;
    CParsedTemplate& m_parsed;
};

// A line whose last element is literal text ending (but for blanks, tabs and line ends) in a
// backslash is joined to the next output line.
void ApplyJoin(CTemplateLine& line)
{
    if (line.m_elements.empty() || !line.m_elements.back().IsLiteral())
        return;
    std::string& text = line.m_elements.back().m_strText;
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    if (last == std::string::npos || text[last] != '\\')
        return;
    text.erase(last);
    line.m_bJoined = true;
}

CTemplateLine ParseLine(std::string_view text, int number, const CProp* prop, CParsedTemplate& parsed)
{
    CTemplateLine line;
    line.m_iNumber = number;
    CTemplateScanner scanner(text, parsed.m_strName, number);
    CElementParser elements(scanner, prop, parsed);
    while (!scanner.AtEnd()) {
        if (scanner.Peek() == '{') {
            line.m_elements.push_back(elements.ParseBraced());
            continue;
        }
        CTemplateElement literal;
        literal.m_iColumn = scanner.Column();
        literal.m_strText = scanner.ReadUntil("{");
        line.m_elements.push_back(std::move(literal));
    }
    ApplyJoin(line);
    return line;
}

} // namespace

CParsedTemplate ParseTemplate(const CProp* prop, std::string_view text, std::string_view name)
{
    CParsedTemplate parsed;
    parsed.m_strName = name;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        parsed.m_lines.push_back(ParseLine(text.substr(0, end), ++number, prop, parsed));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parsed;
}
