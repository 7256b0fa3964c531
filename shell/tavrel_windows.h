#pragma once

namespace shell {

// Starts Tavrel's windowed program: the launcher, then whatever the user opens from it.
int run_windows(int argc, char *argv[]);

} // namespace shell
