#pragma once
// JPEG decoding through libjpeg-turbo, so that the skin never depends on a Qt image plugin
// being deployed next to the program.
#include <QByteArray>
#include <QImage>

#include <stdexcept>

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes a whole JPEG file into an RGB image; throws JpegError if it is not one.
QImage DecodeJpeg(const QByteArray& data);
