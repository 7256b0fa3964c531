#pragma once

#include "common/program_commands.h"

// morvik --pdf: see its --help.
common::ProgramCommand pdf_command();
