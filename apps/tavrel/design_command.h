#pragma once

#include "common/program_commands.h"

// tavrel --design: see its --help.
common::ProgramCommand design_command();
