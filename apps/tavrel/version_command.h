#pragma once

// tavrel --version: the title and version, and where the reference book and Morvik are found.
int run_version_command(int argc, char *argv[]);
