#include "apps/morvik/pdf_command.h"

#include <cstdio>

int run_pdf_command(int, char *[])
{
    std::fputs("morvik --pdf: not built yet\n", stderr);
    return 2;
}
