// The stream readers over any bytes: lines with comments, runs up to terminators, NUL texts.
#include "model/text/LineReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (file == nullptr)
        return 0;
    CCountingReader reader(file);
    std::string text;
    const std::size_t maximum = data[0] % 64;
    while (ReadLine(reader, text, ";#", maximum == 0 ? kNoLimit : maximum) >= 0) {
        if (ReadUntil(reader, text, ",=", maximum, (text.size() & 1) != 0) == 0 && text.empty())
            ReadNulTerminated(reader);
    }
    std::fclose(file);
    return 0;
}
