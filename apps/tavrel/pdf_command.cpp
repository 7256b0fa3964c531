#include "apps/tavrel/pdf_command.h"

#include <cstdio>

int run_pdf_command(int, char *[])
{
    std::fputs("tavrel --pdf: not built yet\n", stderr);
    return 2;
}
