#pragma once

#include <QString>

namespace tavrel {

class FlumeWindow;
class Launcher;
class SingleInstance;

// Starts Tavrel's windowed program: the launcher, then whatever the user opens from it. Given a
// file, the flume window also opens with that file's inputs; when Tavrel is already running, the
// file is handed to the running instance instead and this start ends quietly.
int run_windows(int argc, char *argv[], const QString &file = {});

// Opens the launcher when this is the only instance; otherwise tells the user that the
// application is already open and returns nullptr. When the lock could not be taken at all, says
// why and opens the launcher.
Launcher *open_launcher(const SingleInstance &instance);

// In the running instance: a later start brings its windows forward, or has the file it was
// started with opened in the flume window (once any dialog or message box is answered).
void serve_later_starts(const SingleInstance &instance);

// Puts a .tvl file's inputs into the flume window, exactly as 開く(&O) does, showing the window
// (and creating it when none is open) and bringing it forward. Inputs changed since they were last
// opened or saved are first offered to be saved; キャンセル keeps them and leaves the file unopened.
FlumeWindow *open_in_flume_window(const QString &path);

} // namespace tavrel
