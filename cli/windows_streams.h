#pragma once
// Standard output and error of the Windows tool (Windows builds only).

// Both streams carry bytes as written, as on Linux: a page's "\r\n" is not made "\r\r\n" and a
// message's '\n' stays. Messages to a console are written in UTF-16, so that Polish letters show
// whatever code page the console has.
void PrepareStandardStreams();

// True when standard error is a console window (not a file, a pipe or NUL, which the C
// runtime's isatty also calls a terminal).
bool StandardErrorIsConsole();
