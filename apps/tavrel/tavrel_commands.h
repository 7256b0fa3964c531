#pragma once

#include "common/program_commands.h"

// Tavrel's command line: its help, its options and its commands.
common::ProgramCommands tavrel_commands();
