#pragma once

#include "common/program_commands.h"

// tavrel --document: see its --help.
common::ProgramCommand document_command();
