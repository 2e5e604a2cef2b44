#pragma once

#include "model/reports/TemplateTypes.h"

#include <string_view>

class CProp;
class CTemplateScanner;

// Parses a template's text: lines (any length) of literal text and braced elements
// "{condition ? field : field}". The proposal's forms give the names of form fields. Throws
// CTemplateError naming the template, line and column.
CParsedTemplate ParseTemplate(const CProp* prop, std::string_view text, std::string_view name);

// One field with its options at the scanner, appended to the template's fields; its index.
int ParseTemplateField(CTemplateScanner& scanner, const CProp* prop, CParsedTemplate& parsed, bool inCondition);
