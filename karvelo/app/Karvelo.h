// Karvelo's start-up: the application, its 22 windows in their fixed order, the actions behind
// the calculation's window requests, and the message loop.
#pragma once

namespace karvelo {

// Creates every window once, the main window first, and connects the calculation's window
// requests and the input windows' requests to the main window.  Needs the application object.
void CreateKarveloWindows();
// Deletes the windows, the last created first, and leaves every window variable empty.
void DestroyKarveloWindows();

// The program: runs until the main window closes or the program is halted.
int RunKarvelo(int argc, char** argv);

}  // namespace karvelo
