#pragma once

#include "common/program_commands.h"

// tavrel --reference-book: see its --help.
common::ProgramCommand reference_book_command();
