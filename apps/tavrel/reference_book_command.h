#pragma once

namespace common {
struct CommandLine;
}

// tavrel --reference-book: see its --help.
int run_reference_book_command(int argc, char *argv[], const common::CommandLine &line);
