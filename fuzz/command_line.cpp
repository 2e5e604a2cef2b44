// Command-line parameters split from arbitrary bytes (NUL separates them).
#include "platform/core/CommandLineInfo.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> params(1, "zod");
    params.emplace_back();
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            params.emplace_back();
        else
            params.back() += static_cast<char>(data[i]);
    }
    std::vector<const char*> argv;
    for (const std::string& p : params)
        argv.push_back(p.c_str());
    CCommandLineInfo info;
    ParseCommandLine(static_cast<int>(argv.size()), argv.data(), info);
    return 0;
}
