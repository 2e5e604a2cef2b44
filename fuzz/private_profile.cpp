// Settings files over any bytes: parsing, rewriting and changing a value keep every rule.
#include "platform/core/IniDocument.h"
#include "platform/core/IniLine.h"

#include <cstdint>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using platform::IniDocument;
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniDocument document(text);
    const std::string written = document.Text();
    // What was written once is written again unchanged.
    Check(IniDocument(written).Text() == written);

    // The first line that looks like an entry names the section and key to change.
    const std::size_t equals = text.find('=');
    const std::string key = equals == std::string::npos ? "k" : text.substr(0, equals).substr(0, 40);
    const std::string section = text.substr(0, text.find_first_of("\n]")).substr(0, 40);
    const std::string value = text.substr(text.size() / 2, 60);
    if (!platform::IsStorableIniKey(key) || !platform::IsStorableIniSection(section) ||
        !platform::IsStorableIniValue(value))
        return 0;
    const auto before = document.Entries(section).size();
    document.SetValue(section, key, value);
    IniDocument reread(document.Text());
    Check(reread.GetValue(section, key) == value);
    Check(reread.Entries(section).size() <= before + 1);
    reread.DeleteValue(section, key);
    Check(!reread.GetValue(section, key));
    reread.DeleteSection(section, true);
    Check(!reread.HasSection(section));
    return 0;
}
