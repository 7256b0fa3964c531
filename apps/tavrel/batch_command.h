#pragma once

#include "common/program_commands.h"

// tavrel --batch: see its --help.
common::ProgramCommand batch_command();
