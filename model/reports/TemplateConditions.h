#pragma once

#include "model/reports/TemplateTypes.h"

#include <string>

class CTemplateFieldReader;

// Whether a braced element's condition holds. A comparison with a "#" number or another
// comparison on either side compares numbers; any other compares texts ("==" and "!=" as
// wildcard patterns, letters in any case).
class CTemplateConditions {
public:
    explicit CTemplateConditions(const CTemplateFieldReader& reader) : m_reader(reader) {}

    bool Holds(const CTemplateCondition& condition) const;

private:
    // "1" or "" for a comparison; a leaf's text.
    std::string Text(const CTemplateCondition& node) const;
    bool Compare(const CTemplateCondition& node) const;
    bool IsNumeric(const CTemplateCondition& node) const;
    double Number(const CTemplateCondition& node) const;

    const CTemplateFieldReader& m_reader;
};
