// The INI-style section reader over any bytes: pairs and whole section texts.
#include "model/settings/IniReader.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// Reads the section named by the first bytes (up to a NUL) from the rest.
void ReadSection(const std::string& bytes, const std::string& name, bool pairs)
{
    std::string copy = bytes;
    std::FILE* file = fmemopen(copy.data(), copy.size(), "rb");
    if (file == nullptr)
        return;
    CIniSection section(file);
    if (!section.FindSection(name))
        return;
    if (pairs) {
        KeyValueList list;
        std::string key;
        std::string value;
        while (section.ReadPair(key, value)) {
            if (key.find('\n') != std::string::npos || key.find('\0') != std::string::npos)
                __builtin_trap();
            KeyValueListAdd(list, key, value);
            if (KeyValueListFind(list, key) == nullptr)
                __builtin_trap();
        }
    } else if (ReadSectionText(section, (bytes.size() & 1) != 0).size() > kMaxIniSectionBody) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string name = split == std::string::npos ? "S" : input.substr(0, split);
    const std::string bytes = split == std::string::npos ? input : input.substr(split + 1);
    if (bytes.empty())
        return 0;
    ReadSection(bytes, name, true);
    ReadSection(bytes, name, false);
    return 0;
}
