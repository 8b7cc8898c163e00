// Ostrimo's start-up: the application with its title and help file, the eight windows in
// their fixed order (the intro first: it is the main window), and the message loop.
//
// Where each window lives:
//   Uvod       TForm1       Form1       intro; "Enter" shows PagesDlg modally, then ends
//   Celni      TPagesDlg    PagesDlg    main dialog.  Celni.cpp: layout, create/show, the
//                                       bypass hook, enter/exit/key handlers;
//                                       CelniProtocol.cpp: the field protocol's routines;
//                                       CelniValidators.cpp: the 21 Inputs-page validators;
//                                       CelniAngles.cpp: decimal / degrees-minutes-seconds;
//                                       CelniCommands.cpp: the command panel, type, rack and
//                                       angle radios, pages and help keys
//                                       CelniPages.cpp: the Test dimensions and
//                                       Identification pages' controls;
//                                       CelniTestDimensions.cpp, CelniIdentification.cpp:
//                                       their handlers and computations;
//                                       TestPictures.cpp: their drawn pictures
//   CelniDlg   TCelniDlg    CelniDlg    results window with the verdict list
//   Tabulka    TTabulkaDlg  TabulkaDlg  dimensions table
//   FellowDlg  TFellowDlg   FellowDlg   shaper (Fellow) cutter dialog
//   Kulaty     TForm2       Form2       full rounded root options (never opened)
//   VuleF      TVuleF       VuleF       methods of backlash creating (modal)
//   Nastroj    TNastrojDlg  NastrojDlg  rack tools of pinion and wheel
//
// The windows reach each other through these program-wide pointers, which
// CreateOstrimoWindows sets.  A window used without another (a test of one window) finds
// that one's pointer null: each call to another window passes over an absent one, and the
// window does only its own part.  Each window's header names the windows it calls.
#pragma once

#include <string>

#include "ui/Forms.h"

namespace ostrimo {

// The text of a field of another window, written only while that window is there.
template <class Window>
void SetTextIn(Window* window, ui::Edit* Window::*field, const std::string& text) {
    if (window) (window->*field)->SetText(text);
}

// The help file the windows name; its HTML form lies beside the program.
inline constexpr const char* kHelpFile = "Help_ostrimo.Hlp";
// The name the windows pass to the help calls of their own.
inline constexpr const char* kWindowsHelpFile = "help_ostrimo.hlp";

// Opens the topic of a context number in the windows' help file (0: its finder); "Help is
// missing." when the help cannot be shown.
void ShowHelpTopic(unsigned long context);

// Creates the eight windows once, the intro first.  Needs the application object.
void CreateOstrimoWindows();

// The program: runs until the intro closes or the program is halted.
int RunOstrimo(int argc, char** argv);

}  // namespace ostrimo
