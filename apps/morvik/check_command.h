#pragma once

#include "common/program_commands.h"

// morvik --check: see its --help.
common::ProgramCommand check_command();
