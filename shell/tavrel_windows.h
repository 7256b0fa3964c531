#pragma once

namespace shell {

class Launcher;
class SingleInstance;

// Starts Tavrel's windowed program: the launcher, then whatever the user opens from it.
int run_windows(int argc, char *argv[]);

// Opens the launcher when this is the only instance; otherwise tells the user that the
// application is already open and returns nullptr.
Launcher *open_launcher(const SingleInstance &instance);

} // namespace shell
