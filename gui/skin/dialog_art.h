#pragma once
// The message dialog's pictures: its face, the three icons and the button states.
#include <QImage>
#include <QString>

enum class DialogIcon { Information, Question, Warning };

// Each picture is drawn at `scale` (see Skin::Canvas); the sizes are those at 1x.

// 350 x 150: a white panel with a thin yellow frame under a yellow title bar.
QImage DrawDialogFace(qreal scale);

// 42 x 43, drawn over the part of `face` that the icon covers (12, 4), so it blends in; at the
// face's scale.
QImage DrawDialogIcon(const QImage& face, DialogIcon icon);

// 88 x 26: the caption in capitals with its key letter underlined; a highlighted button is
// a stronger yellow.
QImage DrawDialogButton(const QString& caption, bool highlighted, qreal scale);
