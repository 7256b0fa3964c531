#pragma once

#include "common/program_commands.h"

// tavrel --pdf: see its --help.
common::ProgramCommand pdf_command();
