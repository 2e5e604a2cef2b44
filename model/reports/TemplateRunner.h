#pragma once

#include <memory>
#include <string_view>

class CParsedTemplate;
struct CReportState;

// A template line is printed pass after pass while one of its fields asks for more; this many
// passes in a row that print no new line of any value mean the template is stuck.
inline constexpr int kMaxTemplatePasses = 500;
// Templates that include templates may go this deep.
inline constexpr int kMaxTemplateNesting = 32;

// Runs the named template at the line printer: every line, pass after pass. Returns the lines
// written (line feeds and form feeds). A missing or empty template prints nothing. Throws
// CTemplateError for a template that cannot be parsed or evaluated, or that includes itself.
int RunTemplate(CReportState& state, std::string_view name);

// Template output to the line printer (and to the capture of a measurement); the lines ended.
int WriteReportText(CReportState& state, std::string_view text);

// The parsed form of the named template, parsed once per report; null when there is none.
std::shared_ptr<const CParsedTemplate> GetParsedTemplate(CReportState& state, std::string_view name);
