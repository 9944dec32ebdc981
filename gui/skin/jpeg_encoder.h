#pragma once
// JPEG writing through libjpeg-turbo, for the program that draws the skin.
#include <QByteArray>
#include <QImage>

#include <stdexcept>

enum class JpegKind { Baseline, Progressive };

// Full-resolution colour (4:4:4) keeps the thin lines and small captions crisp.
// Throws std::runtime_error on failure.
QByteArray EncodeJpeg(const QImage& image, JpegKind kind, int quality = 94);
