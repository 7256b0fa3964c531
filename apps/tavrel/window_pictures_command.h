#pragma once

#include "common/program_commands.h"

// "tavrel --window-pictures DIR": draws Tavrel's windows with the reference book's worked example
// offscreen into PNG files in DIR, and has Morvik draw its own, for the book to show.
common::ProgramCommand window_pictures_command();
