#include "apps/morvik/check_command.h"

#include <cstdio>

int run_check_command(int, char *[])
{
    std::fputs("morvik --check: not built yet\n", stderr);
    return 2;
}
