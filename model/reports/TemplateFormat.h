#pragma once

#include "model/reports/TemplateTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CFieldValue;
struct CReportState;

// A field's widest output, whatever its SIZE says (a number's is its own length).
inline constexpr int kMaxTemplateFieldWidth = 512;
// The longest text value a field prints.
inline constexpr std::size_t kMaxTemplateText = 4095;

// The print variables ("@Page", "@Line", ...) from the report state, for the expressions that
// options and number literals hold.
void SetPrintVariables(const CReportState& state);
// A number from a text that a template or a value holds. A "set" statement is not a number: a
// printed value must never define the evaluator's macros.
double EvaluateNumberText(std::string_view text, bool* valid, int* error = nullptr);
int EvaluateIntegerOption(const CReportState& state, const CIntegerOption& option);

// The field's value as text by its type and its FORMAT, ADJUST, COMMAS and MONEY options, before
// it is split into lines. Nullopt when the field's print format is not one that can be used.
std::optional<std::string> FormatFieldText(const CReportState& state, const CTemplateField& field,
                                           const CFieldValue& value);
// SUBSTRING, REPLACE, STRSTR, STRIP, CLIP and REMOVE in the order written.
std::string ApplyTextOptions(std::string text, const std::vector<CTextOption>& options);
// Cut to the width and, unless `padded` is false, justified in it; width 0 leaves the text. A
// number wider than the width is never cut: it is left whole and the line goes on after it.
std::string FitToWidth(std::string text, int width, const CTemplateField& field, bool padded);
