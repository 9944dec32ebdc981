#pragma once
// What the viewer keeps from one run to the next, all in one place: the page zoom and the
// folder the open and folder dialogs used last. Nothing else is read at start.
#include <QSettings>

inline QSettings ViewerSettings()
{
    return QSettings(QStringLiteral("Ulnik"), QStringLiteral("Ulnik"));
}

inline constexpr auto kPageZoomSetting = "PageZoom";
inline constexpr auto kLastFolderSetting = "OstatniFolder";
