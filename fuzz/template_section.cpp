// Replacing a report template section in a configuration file of any bytes: the other sections
// come through, and the new section is found in the result.
#include "model/reports/TemplateSectionText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line names the section; the rest is the file.
    const size_t split = input.find('\n');
    const std::string_view name = split == std::string_view::npos ? std::string_view("Bid") : input.substr(0, split);
    const std::string_view config = split == std::string_view::npos ? input : input.substr(split + 1);
    const SectionRewrite rewrite = ReplaceTemplateSection(config, name, "text\n");
    if (rewrite.text.find("]\ntext\n") == std::string::npos)
        std::abort();
    return 0;
}
