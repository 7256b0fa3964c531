// Tavrel: the flume check. "--check" and "--pdf" run the calculations without a display,
// "--reference-book" writes the reference book, "--version" says where the book and Morvik are
// found; otherwise the launcher window opens.
#include "apps/tavrel/check_command.h"
#include "apps/tavrel/pdf_command.h"
#include "apps/tavrel/reference_book_command.h"
#include "apps/tavrel/version_command.h"
#include "shell/tavrel_windows.h"

#include <cstring>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            return run_check_command(argc, argv);
        if (std::strcmp(argv[i], "--pdf") == 0)
            return run_pdf_command(argc, argv);
        if (std::strcmp(argv[i], "--reference-book") == 0)
            return run_reference_book_command(argc, argv);
        if (std::strcmp(argv[i], "--version") == 0)
            return run_version_command(argc, argv);
    }
    return shell::run_windows(argc, argv);
}
