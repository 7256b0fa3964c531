#pragma once

namespace common {
struct CommandLine;
}

// tavrel --pdf: see its --help.
int run_pdf_command(int argc, char *argv[], const common::CommandLine &line);
