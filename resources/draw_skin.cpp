// Draws every skin picture of the program into a folder:
//     QT_QPA_PLATFORM=offscreen ulnik-draw-skin resources/
// The pictures written are the ones committed beside this program and compiled into Ulnik.
#include "background_art.h"
#include "dialog_art.h"
#include "jpeg_encoder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

void Write(const QDir& folder, const QString& name, const QImage& image, JpegKind kind)
{
    QFile file(folder.filePath(name + QStringLiteral(".jpg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeJpeg(image, kind)) < 0)
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

struct ButtonNames {
    const char* polish;
    const char* polishCaption;
    const char* english;
    const char* englishCaption;
};
const ButtonNames Buttons[] = {
    {"buttak", "TAK", "butyes", "YES"},
    {"butnie", "NIE", "butno", "NO"},
    {"butanuluj", "ANULUJ", "butcancel", "CANCEL"},
    {"butzamknij", "ZAMKNIJ", "butclose", "CLOSE"},
};

void WriteButton(const QDir& folder, const QString& name, const QString& caption)
{
    Write(folder, name, DrawDialogButton(caption, false), JpegKind::Baseline);
    Write(folder, name + QStringLiteral("akt"), DrawDialogButton(caption, true), JpegKind::Baseline);
}

void DrawAll(const QDir& folder)
{
    const QImage face = DrawDialogFace();
    Write(folder, QStringLiteral("oknowarning"), face, JpegKind::Baseline);
    Write(folder, QStringLiteral("ikoinfo"), DrawDialogIcon(face, DialogIcon::Information), JpegKind::Baseline);
    Write(folder, QStringLiteral("ikopytanie"), DrawDialogIcon(face, DialogIcon::Question), JpegKind::Baseline);
    Write(folder, QStringLiteral("ikouwaga"), DrawDialogIcon(face, DialogIcon::Warning), JpegKind::Baseline);
    for (const ButtonNames& button : Buttons) {
        WriteButton(folder, QString::fromUtf8(button.polish), QString::fromUtf8(button.polishCaption));
        WriteButton(folder, QString::fromUtf8(button.english), QString::fromUtf8(button.englishCaption));
    }
    Write(folder, QStringLiteral("tlo"), DrawMainBackground(QStringLiteral(ULNIK_VERSION)), JpegKind::Progressive);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ulnik-draw-skin FOLDER\n");
        return 2;
    }
    try {
        DrawAll(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ulnik-draw-skin: %s\n", error.what());
        return 1;
    }
    return 0;
}
