#include "model/text/FatalError.h"
#include "model/text/NumberFormat.h"

#include <cstdio>

int main()
{
    try {
        std::printf("Zod %s\n", FormatVersionString(-1).c_str());
        return 0;
    } catch (const CFatalError& error) {
        // Nothing is open yet that could be lost: report and end with a failure code.
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
