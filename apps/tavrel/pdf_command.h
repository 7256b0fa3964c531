#pragma once

// tavrel --pdf: see its --help.
int run_pdf_command(int argc, char *argv[]);
