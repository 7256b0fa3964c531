#pragma once

#include "common/program_commands.h"

// tavrel --check: see its --help.
common::ProgramCommand check_command();
