#include "submit/base/BuildVersion.h"

#include <cstdio>

int main()
{
    std::printf("Zod %s\n", ZOD_VERSION_TEXT);
    return 0;
}
