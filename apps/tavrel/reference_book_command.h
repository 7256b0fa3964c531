#pragma once

// tavrel --reference-book: see its --help.
int run_reference_book_command(int argc, char *argv[]);
