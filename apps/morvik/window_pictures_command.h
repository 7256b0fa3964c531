#pragma once

#include "common/program_commands.h"

// "morvik --window-pictures DIR As b d M S U": draws Morvik's window with the six values typed and
// "計算" pressed offscreen into DIR/morvik.png, for the reference book.
common::ProgramCommand window_pictures_command();
