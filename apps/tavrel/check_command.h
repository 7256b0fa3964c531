#pragma once

namespace common {
struct CommandLine;
}

// tavrel --check: see its --help.
int run_check_command(int argc, char *argv[], const common::CommandLine &line);
