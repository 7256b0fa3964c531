#include "apps/tavrel/check_command.h"

#include <cstdio>

int run_check_command(int, char *[])
{
    std::fputs("tavrel --check: not built yet\n", stderr);
    return 2;
}
