#pragma once
// A hot area is a transparent label, which a screen reader would announce as a picture with no
// use. Those that stand for a drawn button (HotLabel::ActAsButton) are told as buttons, with
// their names and a press action that clicks them.

// Registers the interface with Qt's accessibility, once; later calls do nothing.
void InstallHotLabelAccessibility();
