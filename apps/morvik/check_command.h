#pragma once

// morvik --check: see its --help.
int run_check_command(int argc, char *argv[]);
