#pragma once
// A hot area is a transparent label, which a screen reader would announce as a picture with no
// use. Those that stand for a drawn button (HotLabel::ActAsButton) are told as buttons, with
// their names and a press action that clicks them.

// Registers the interface with Qt's accessibility, once; later calls do nothing.
void InstallHotLabelAccessibility();

class QWidget;

// A picture that only decorates (a window's or a dialog's face, with the buttons' hot areas
// over it) is hidden from screen readers, which would announce a picture with no name.
void MarkDecorative(QWidget* picture);
