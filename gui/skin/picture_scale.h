#pragma once
// The scales every skin picture is drawn at, for screens of that many device pixels to one
// pixel of the window. A picture drawn larger than 1x carries its scale in its name:
// tlo, tlo@1.5x, tlo@2x.
#include <QString>

#include <array>

struct PictureScale {
    qreal factor;
    const char* nameSuffix;
};

inline constexpr std::array<PictureScale, 3> kPictureScales = {{
    {1.0, ""},
    {1.5, "@1.5x"},
    {2.0, "@2x"},
}};

inline QString ScaledPictureName(const QString& name, const PictureScale& scale)
{
    return name + QLatin1String(scale.nameSuffix);
}

// The scale that serves a screen of `devicePixelRatio`: the smallest at or above it, so that
// a picture is only ever made smaller on the screen, else the largest there is. A ratio worked
// out from a screen's DPI may miss a scale by a rounding error, which is not worth a larger one.
inline const PictureScale& PictureScaleFor(qreal devicePixelRatio)
{
    constexpr qreal kRoundingError = 0.001;
    for (const PictureScale& scale : kPictureScales) {
        if (devicePixelRatio <= scale.factor + kRoundingError)
            return scale;
    }
    return kPictureScales.back();
}
