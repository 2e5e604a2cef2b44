// Feeds arbitrary bytes to the formula evaluator as one line; a line holding a NUL byte is split
// there into a "set" statement and an expression, so macros get called as well.
#include "model/eval/Evaluator.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    SetEvaluatorVariable("@QUAN", 1234.5);
    if (split == std::string::npos) {
        EvaluateExpression(bytes.c_str());
    } else {
        EvaluateExpression(("set " + bytes.substr(0, split)).c_str());
        EvaluateExpression(bytes.c_str() + split + 1);
    }
    std::string text;
    int offset = 0;
    const int code = GetEvaluatorError(&text, &offset);
    if (code < 0 || code > 12 || offset < 0 || std::size_t(offset) > size || text.empty())
        __builtin_trap();
    FreeEvaluatorSymbols();
    return 0;
}
