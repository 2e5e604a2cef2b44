#include "model/reports/TemplateRunner.h"

#include "model/records/Prop.h"
#include "model/reports/FieldLines.h"
#include "model/reports/FieldValues.h"
#include "model/reports/LinePrinter.h"
#include "model/reports/ReportState.h"
#include "model/reports/TemplateConditions.h"
#include "model/reports/TemplateError.h"
#include "model/reports/TemplateFieldReader.h"
#include "model/reports/TemplateFormat.h"
#include "model/reports/TemplateParser.h"

#include <algorithm>
#include <utility>

namespace {

// One run of one template: its fields' lines are shared by field id for the whole run, so that a
// value cut short on one line can go on in the next.
class CTemplateRun {
public:
    CTemplateRun(CReportState& state, const CParsedTemplate& parsed) : m_reader(state, parsed), m_conditions(m_reader)
    {
        m_lines.reserve(parsed.m_fields.size());
    }

    int Run()
    {
        int lines = 0;
        for (const CTemplateLine& line : m_reader.Parsed().m_lines)
            lines += EvaluateLine(line);
        return lines;
    }

private:
    // Passes that print no new line of any value count towards the limit: a long list is
    // printed whole, a line that only asks for blank lines is stopped.
    int EvaluateLine(const CTemplateLine& line)
    {
        m_reader.SetLine(line);
        int lines = 0;
        for (int pass = 0, idlePasses = 0;; ++pass) {
            m_reader.State().m_iLineIndex = pass;
            m_bNewLineTaken = false;
            m_bRecordGoesOn = std::exchange(m_bRecordGoesOnNext, false);
            bool more = false;
            for (const CTemplateElement& element : line.m_elements)
                more = PrintElement(element, pass, lines) || more;
            if (!line.m_bJoined)
                lines += WriteReportText(m_reader.State(), "\n");
            if (!more)
                return lines;
            idlePasses = m_bNewLineTaken ? 0 : idlePasses + 1;
            if (idlePasses >= kMaxTemplatePasses)
                m_reader.Fail(1, FormatTemplateMessage("Stuck in an endless loop in template: %s",
                                                       m_reader.Parsed().m_strName.c_str()));
        }
    }

    bool PrintElement(const CTemplateElement& element, int pass, int& lines)
    {
        if (element.IsLiteral()) {
            lines += WriteReportText(m_reader.State(), element.m_strText);
            return false;
        }
        const bool holds = (element.m_bPrintsTruth || element.m_bHasChoice) && m_conditions.Holds(*element.m_condition);
        if (element.m_bPrintsTruth) {
            lines += WriteReportText(m_reader.State(), holds ? "TRUE" : "FALSE");
            return false;
        }
        const int chosen = !element.m_bHasChoice || holds ? element.m_iThen : element.m_iElse;
        return chosen >= 0 && PrintField(m_reader.Parsed().m_fields[std::size_t(chosen)], pass, lines);
    }

    // Prints the field's next line (blanks of its width when it has none); whether it asks for
    // another pass.
    bool PrintField(const CTemplateField& field, int pass, int& lines)
    {
        if (field.m_iId == FIELD_TEMPLATE) {
            if (pass == 0)
                lines += RunIncluded(field);
            return false;
        }
        if (field.m_iId == FIELD_DROP)
            m_reader.State().m_bCaptureReplayable = false;
        CFieldLines& value = LinesOf(field.m_iId);
        if (field.m_wFlags & FO_INDEX)
            Start(value, field, m_reader.IntegerOption(field.m_index));
        else if (pass == 0 && ((field.m_wFlags & FO_START) || !value.HasLine()))
            Start(value, field, m_reader.IntegerOption(field.m_start));
        const int maxLines = m_reader.IntegerOption(field.m_maxLines);
        std::string text;
        if (value.HasLine() && !(maxLines > 0 && pass >= maxLines) && !WaitsForARecord(value)) {
            text = ApplyTextOptions(NextLine(value, field), field.m_textOptions);
            // INDEX prints the same line on every pass.
            m_bNewLineTaken = m_bNewLineTaken || !(field.m_wFlags & FO_INDEX);
        }
        lines += WriteReportText(m_reader.State(), FitToWidth(std::move(text), m_reader.Width(field), field, true));
        const bool asks = AsksForMore(field, value, pass + 1, maxLines);
        // A record wider than its field goes on in the next pass, and the line's other lists
        // wait for it there, so that the lines of a record stay together.
        m_bRecordGoesOnNext = m_bRecordGoesOnNext || (asks && value.HasRecordTextLeft());
        return asks;
    }

    bool AsksForMore(const CTemplateField& field, const CFieldLines& value, int passesDone, int maxLines) const
    {
        if (value.IsMissing())
            return false;
        const bool more = value.HasLine();
        bool asks = ((field.m_wFlags & FO_REPEAT) && more) || passesDone < m_reader.IntegerOption(field.m_minLines);
        if ((maxLines > 0 && passesDone >= maxLines) || (maxLines == -1 && !more))
            asks = false;
        return asks;
    }

    bool WaitsForARecord(const CFieldLines& value) const
    {
        return m_bRecordGoesOn && value.IsRecordList() && !value.HasRecordTextLeft();
    }

    void Start(CFieldLines& value, const CTemplateField& field, int startLine)
    {
        const bool text = field.m_pRow->m_iType == FT_TEXT && !field.m_adjust;
        const int records = GetFieldRecordCount(m_reader.State(), *field.m_pRow, field.m_iId, field.m_iFirmType);
        if (records >= 0) {
            // A repeated text wraps each record's text to the field's width.
            value.StartRecords(records, text && (field.m_wFlags & FO_REPEAT) ? m_reader.Width(field) : 0);
        } else if (const CFieldValue fetched = m_reader.Fetch(field, -1); !fetched.IsPresent()) {
            value.StartMissing();
        } else {
            value.StartText(m_reader.Format(field, fetched), text ? field.m_pRow->m_iExtra : LINE_MODE_ONE,
                            m_reader.Width(field));
        }
        value.Skip(startLine);
    }

    std::string NextLine(CFieldLines& value, const CTemplateField& field)
    {
        if (!value.IsRecordList() || value.HasRecordTextLeft())
            return value.TakeText();
        const CFieldValue fetched = m_reader.Fetch(field, value.TakeRecord());
        std::string text = fetched.IsPresent() ? m_reader.Format(field, fetched) : std::string();
        // Unwrapped, a record gives one line, whatever its text holds.
        if (!value.WrapsRecords())
            text.erase(std::min(text.find_first_of("\r\n"), text.size()));
        value.StartRecordText(std::move(text));
        return value.TakeText();
    }

    int RunIncluded(const CTemplateField& field)
    {
        const auto& running = m_reader.State().m_running;
        if (std::find(running.begin(), running.end(), field.m_strLiteral) != running.end())
            m_reader.Fail(field.m_iColumn, FormatTemplateMessage("Template [%s] includes itself", field.m_strLiteral.c_str()));
        if (int(running.size()) >= kMaxTemplateNesting)
            m_reader.Fail(field.m_iColumn, FormatTemplateMessage("Templates nested more than %d deep at template [%s]",
                                                                 kMaxTemplateNesting, field.m_strLiteral.c_str()));
        CReportState& state = m_reader.State();
        const int pass = state.m_iLineIndex;
        const int lines = RunTemplate(state, field.m_strLiteral);
        state.m_iLineIndex = pass; // the included template's passes are its own
        return lines;
    }

    CFieldLines& LinesOf(int fieldId)
    {
        for (CFieldLines& lines : m_lines)
            if (lines.FieldId() == fieldId)
                return lines;
        return m_lines.emplace_back(fieldId);
    }

    CTemplateFieldReader m_reader;
    CTemplateConditions m_conditions;
    std::vector<CFieldLines> m_lines;
    bool m_bNewLineTaken = false;
    bool m_bRecordGoesOn = false; // the lists not printing a record's rest print blanks
    bool m_bRecordGoesOnNext = false;
};

// Keeps the template on the stack of running templates while it runs.
class CRunningTemplate {
public:
    CRunningTemplate(CReportState& state, std::string_view name) : m_state(state) { state.m_running.push_back(name); }
    ~CRunningTemplate() { m_state.m_running.pop_back(); }
    CRunningTemplate(const CRunningTemplate&) = delete;
    CRunningTemplate& operator=(const CRunningTemplate&) = delete;

private:
    CReportState& m_state;
};

} // namespace

int WriteReportText(CReportState& state, std::string_view text)
{
    if (state.m_pCapture)
        state.m_pCapture->append(text);
    return PrintTextBlock(text);
}

std::shared_ptr<const CParsedTemplate> GetParsedTemplate(CReportState& state, std::string_view name)
{
    if (const auto cached = state.m_parsed.find(name); cached != state.m_parsed.end())
        return cached->second;
    const CPlate* plate = state.m_pProp ? FindReportTemplate(*state.m_pProp, name) : nullptr;
    if (IsPlateEmpty(plate))
        return nullptr;
    auto parsed = std::make_shared<const CParsedTemplate>(ParseTemplate(state.m_pProp, plate->m_strText, name));
    state.m_parsed.emplace(std::string(name), parsed);
    return parsed;
}

int RunTemplate(CReportState& state, std::string_view name)
{
    const std::shared_ptr<const CParsedTemplate> parsed = GetParsedTemplate(state, name);
    if (!parsed)
        return 0;
    CRunningTemplate running(state, parsed->m_strName);
    return CTemplateRun(state, *parsed).Run();
}
