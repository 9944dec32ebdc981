#include "warning_state.h"

QString DialogLanguage = QStringLiteral("pl");
int DialogResult = 0;
int HighlightedButton = ButZamknij;
bool TabPressed = false;
bool Dragging = false;
QPoint LastCursor;
