#pragma once

// The report template sections of a configuration file: "[name]" lines, each followed by its
// text up to the next line beginning with "[". No Qt: the text is the file's bytes.
#include <string>
#include <string_view>

struct SectionRewrite {
    std::string text;
    bool replaced = false; // false: the section was added at the end
};

// The file's text with the named section's text replaced (its ";" comment lines kept), or the
// section added at the end when the file has none of that name (compared without case).
SectionRewrite ReplaceTemplateSection(std::string_view config, std::string_view name, std::string_view sectionText);
