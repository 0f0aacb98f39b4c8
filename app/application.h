// Start-up and shutdown of Lirvane, on the thread that starts the process
// (the UI thread).
//
// Start-up: the UI thread's automation set-up, the window's resources
// checked, g_matcher made, the exit handler registered, MainWindow built,
// the control theme switched on, the window shown; then the message loop,
// which ends when the window is gone. The end: the exit handler destroys
// g_matcher, the automation set-up is undone, and 0 is returned. A failure
// of start-up is a fatal stop.
#pragma once

namespace lirvane {

class RegexMatcher;

// The program's one matcher, from start-up until the exit handler.
extern RegexMatcher* g_matcher;

namespace gui {

// The whole life of the program; the process's exit code.
int runLirvane(int& argc, char** argv);

}  // namespace gui
}  // namespace lirvane
