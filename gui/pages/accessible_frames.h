#pragma once
// What a screen reader lists as the program's windows: each window of ours a named frame, and
// nothing else. Qt offers the offscreen window that the web view draws into (titled "Offscreen")
// as one more frame, and a frameless top-level widget as a mere filler.
//
// Installed once the application is made: the widgets' own factory, installed with it, would
// otherwise answer first. Before the window is shown, so that no question has been answered yet.
void InstallAccessibleFrames();
