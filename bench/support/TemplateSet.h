#pragma once

// A set of report templates in one text: a line "#@ <name>" starts a template, whose text is the
// lines up to the next such line without the last line end. The report tests and the report
// benchmark share the set in tests/fixtures/reports/.
#include "model/records/Prop.h"

#include <istream>
#include <string>

inline void InstallTemplateSet(CProp& prop, std::istream& in)
{
    std::string line, name, body;
    const auto install = [&] {
        if (!name.empty())
            prop.SetPlate(name, body.substr(0, body.empty() ? 0 : body.size() - 1));
    };
    while (std::getline(in, line)) {
        if (line.rfind("#@ ", 0) == 0) {
            install();
            name = line.substr(3);
            body.clear();
        } else {
            body += line + "\n";
        }
    }
    install();
}
