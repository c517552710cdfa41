#pragma once

// The desktop program from start to end: single-instance guard, splash, main window, event loop.
int RunQuelta(int argc, char** argv);
