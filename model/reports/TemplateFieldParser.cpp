#include "model/reports/TemplateParser.h"

#include "model/records/Item.h"
#include "model/reports/TemplateError.h"
#include "model/reports/TemplateNames.h"
#include "model/reports/TemplateScanner.h"
#include "model/text/CharClass.h"
#include "model/text/TextUtil.h"

#include <charconv>

namespace {

enum OptionValue { VALUE_INTEGER, VALUE_TEXT, VALUE_EXPRESSION, VALUE_JUSTIFY, VALUE_FLAG };

struct OptionKeyword {
    std::string_view m_name;
    int m_iId;
    OptionValue m_value;
};

constexpr OptionKeyword kOptions[] = {
    {"SIZE", OPT_SIZE, VALUE_INTEGER},        {"FORMAT", OPT_FORMAT, VALUE_TEXT},
    {"JUSTIFY", OPT_JUSTIFY, VALUE_JUSTIFY},  {"INDEX", OPT_INDEX, VALUE_INTEGER},
    {"START", OPT_START, VALUE_INTEGER},      {"MAXLINES", OPT_MAXLINES, VALUE_INTEGER},
    {"MINLINES", OPT_MINLINES, VALUE_INTEGER}, {"COMMAS", OPT_COMMAS, VALUE_FLAG},
    {"MONEY", OPT_MONEY, VALUE_FLAG},         {"REPEAT", OPT_REPEAT, VALUE_FLAG},
    {"RESET", OPT_RESET, VALUE_FLAG},         {"SUBSTRING", OPT_SUBSTRING, VALUE_TEXT},
    {"REPLACE", OPT_REPLACE, VALUE_TEXT},     {"STRSTR", OPT_STRSTR, VALUE_TEXT},
    {"STRIP", OPT_STRIP, VALUE_TEXT},         {"CLIP", OPT_CLIP, VALUE_TEXT},
    {"REMOVE", OPT_REMOVE, VALUE_TEXT},       {"ADJUST", OPT_ADJUST, VALUE_EXPRESSION},
};

// What ends a field name, a number literal, a template name and an option value.
constexpr std::string_view kNameStops = " \t,?:}(){\"#[&|<>=!\r";
constexpr std::string_view kNumberStops = " \t,?:})\r";
constexpr std::string_view kTemplateNameStops = ",?:})\r";
constexpr std::string_view kValueStops = " \t},?:()\r";

class CFieldParser {
public:
    CFieldParser(CTemplateScanner& scanner, const CProp* prop, CParsedTemplate& parsed)
        : m_scanner(scanner), m_prop(prop), m_parsed(parsed)
    {
    }

    CTemplateField Parse(bool inCondition)
    {
        m_scanner.SkipBlanks();
        m_field.m_iColumn = m_scanner.Column();
        ParseHead();
        m_field.m_pRow = FindTemplateFieldRow(m_field.m_iId);
        m_field.m_wFlags = uint16_t(m_field.m_pRow->m_iOptions | (inCondition ? FO_IN_CONDITION : 0));
        while (m_scanner.Accept(","))
            ParseOption();
        Settle();
        return std::move(m_field);
    }

private:
    void ParseHead()
    {
        const char first = m_scanner.Peek();
        if (first == '"' || first == '#' || first == '[') {
            m_scanner.Accept(std::string_view(&first, 1));
            ParseLiteral(first);
            return;
        }
        m_field.m_strName = m_scanner.ReadUntil(kNameStops);
        const CResolvedField resolved = ResolveTemplateField(m_prop, m_field.m_strName, m_parsed.m_strName);
        if (resolved.m_bAmbiguous)
            m_scanner.FailAt(m_field.m_iColumn,
                             FormatTemplateMessage("Ambiguous Field Name: %s in Template [%s]",
                                                   m_field.m_strName.c_str(), m_parsed.m_strName.c_str()));
        m_field.m_iId = resolved.m_iId;
        m_field.m_iFirmType = resolved.m_iFirmType;
    }

    void ParseLiteral(char opening)
    {
        if (opening == '"') {
            m_field.m_iId = FIELD_STRING;
            m_field.m_strLiteral = m_scanner.ReadQuoted();
        } else if (opening == '#') {
            m_field.m_iId = FIELD_NUMBERSTRING;
            m_field.m_strLiteral = m_scanner.ReadUntil(kNumberStops);
        } else {
            m_field.m_iId = FIELD_TEMPLATE;
            std::string name(m_scanner.ReadUntil(kTemplateNameStops));
            TrimRightChars(name, " \t");
            if (!name.empty() && name.back() == ']')
                name.pop_back();
            TrimLeftChars(name, " \t");
            TrimRightChars(name, " \t");
            m_field.m_strLiteral = std::move(name);
        }
        m_field.m_strName = m_field.m_strLiteral;
    }

    const OptionKeyword& FindKeyword(const std::string& name, int column)
    {
        const OptionKeyword* found = nullptr;
        for (const OptionKeyword& keyword : kOptions) {
            if (name.empty())
                break;
            if (name.size() > keyword.m_name.size() || !EqualsIgnoringCase(keyword.m_name.substr(0, name.size()), name))
                continue;
            if (found)
                m_scanner.FailAt(column, FormatTemplateMessage("Ambiguous Field Option %s for field %s in template [%s]",
                                                               name.c_str(), FieldName(), TemplateName()));
            found = &keyword;
        }
        if (!found)
            m_scanner.FailAt(column, FormatTemplateMessage("Unknown Field Option: %s for field: %s in template [%s]",
                                                           name.c_str(), FieldName(), TemplateName()));
        return *found;
    }

    void ParseOption()
    {
        m_scanner.SkipBlanks();
        const int column = m_scanner.Column();
        const std::string name(m_scanner.ReadUntil(" \t=,?:}()\"\r"));
        const OptionKeyword& keyword = FindKeyword(name, column);
        std::optional<std::string> value;
        if (m_scanner.Accept("=")) {
            m_scanner.SkipBlanks();
            value = m_scanner.Peek() == '"' && m_scanner.Accept("\"") ? std::string(m_scanner.ReadQuoted())
                                                                     : std::string(m_scanner.ReadUntil(kValueStops));
        }
        if (keyword.m_value != VALUE_FLAG && (!value || value->empty()))
            m_scanner.FailAt(column, MissingValueMessage(keyword));
        Store(keyword, value, column);
    }

    std::string MissingValueMessage(const OptionKeyword& keyword) const
    {
        const std::string option(keyword.m_name);
        const char* format = keyword.m_value == VALUE_INTEGER  ? "integer value required for option %s of field %s in template [%s]"
                             : keyword.m_value == VALUE_TEXT   ? "string value required for option %s of field %s in template [%s]"
                             : keyword.m_value == VALUE_JUSTIFY ? "Justification value required for option %s of field %s in template [%s]"
                                                                : "value required for option %s of field %s in template [%s]";
        return FormatTemplateMessage(format, option.c_str(), FieldName(), TemplateName());
    }

    void Store(const OptionKeyword& keyword, std::optional<std::string>& value, int column)
    {
        switch (keyword.m_value) {
        case VALUE_INTEGER: IntegerSlot(keyword.m_iId) = MakeIntegerOption(*value); break;
        case VALUE_JUSTIFY: SetJustification(keyword, *value, column); break;
        case VALUE_FLAG: SetFlag(FlagOf(keyword.m_iId), !value || ParseYesNo(*value)); break;
        case VALUE_EXPRESSION: m_field.m_adjust = std::move(*value); break;
        default:
            if (keyword.m_iId == OPT_FORMAT)
                m_field.m_format = std::move(*value);
            else
                m_field.m_textOptions.push_back({keyword.m_iId, std::move(*value)});
        }
        if (keyword.m_iId == OPT_INDEX || keyword.m_iId == OPT_START)
            SetFlag(keyword.m_iId == OPT_INDEX ? FO_INDEX : FO_START, true);
    }

    std::optional<CIntegerOption>& IntegerSlot(int id)
    {
        switch (id) {
        case OPT_SIZE: return m_field.m_size;
        case OPT_INDEX: return m_field.m_index;
        case OPT_START: return m_field.m_start;
        case OPT_MAXLINES: return m_field.m_maxLines;
        default: return m_field.m_minLines;
        }
    }

    static CIntegerOption MakeIntegerOption(const std::string& text)
    {
        CIntegerOption option{text, std::nullopt};
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size())
            option.m_literal = value;
        return option;
    }

    void SetJustification(const OptionKeyword& keyword, const std::string& value, int column)
    {
        const char letter = AsciiToUpper(value[0]);
        if (letter != 'L' && letter != 'R' && letter != 'C')
            m_scanner.FailAt(column, FormatTemplateMessage("Unknown Justification %s for option %s of field %s in template [%s]",
                                                           value.c_str(), std::string(keyword.m_name).c_str(),
                                                           FieldName(), TemplateName()));
        m_field.m_wFlags &= uint16_t(~FO_JUSTIFY_MASK);
        SetFlag(letter == 'L' ? FO_LEFT : letter == 'R' ? FO_RIGHT : FO_CENTER, true);
    }

    static uint16_t FlagOf(int id)
    {
        switch (id) {
        case OPT_COMMAS: return FO_COMMAS;
        case OPT_MONEY: return FO_MONEY;
        case OPT_REPEAT: return FO_REPEAT;
        default: return FO_START;
        }
    }

    void SetFlag(uint16_t flag, bool on)
    {
        m_field.m_wFlags = uint16_t(on ? m_field.m_wFlags | flag : m_field.m_wFlags & ~flag);
    }

    // Numbers stand right unless told otherwise; INDEX means nothing beside REPEAT.
    void Settle()
    {
        const int type = m_field.m_pRow->m_iType;
        if ((type == FT_DOUBLE || type == FT_NUMBER_STRING) && !(m_field.m_wFlags & (FO_LEFT | FO_CENTER)))
            SetFlag(FO_RIGHT, true);
        if ((m_field.m_wFlags & FO_INDEX) && (m_field.m_wFlags & FO_REPEAT)) {
            SetFlag(FO_INDEX, false);
            m_field.m_index.reset();
        }
    }

    const char* FieldName() const { return m_field.m_strName.c_str(); }
    const char* TemplateName() const { return m_parsed.m_strName.c_str(); }

    CTemplateScanner& m_scanner;
    const CProp* m_prop;
    CParsedTemplate& m_parsed;
    CTemplateField m_field;
};

} // namespace

int ParseTemplateField(CTemplateScanner& scanner, const CProp* prop, CParsedTemplate& parsed, bool inCondition)
{
    CTemplateField field = CFieldParser(scanner, prop, parsed).Parse(inCondition);
    parsed.m_fields.push_back(std::move(field));
    return int(parsed.m_fields.size()) - 1;
}
