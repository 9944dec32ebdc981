// Draws every skin picture of the program into a folder, at each scale the program knows, or
// the program's icons:
//     QT_QPA_PLATFORM=offscreen ulnik-draw-skin gui/skin/
//     QT_QPA_PLATFORM=offscreen ulnik-draw-skin --icons packaging/icons/
// The pictures written are the ones committed beside this program and compiled into Ulnik;
// the icons are committed under packaging/ and installed.
#include "background_art.h"
#include "dialog_art.h"
#include "icon_art.h"
#include "jpeg_encoder.h"
#include "picture_scale.h"
#include "ulnik_version.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

void WriteBytes(const QDir& folder, const QString& fileName, const QByteArray& bytes)
{
    QFile file(folder.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

// Writes `name` drawn at `scale`, under the name that says the scale.
void Write(const QDir& folder, const QString& name, const PictureScale& scale, const QImage& image, JpegKind kind)
{
    WriteBytes(folder, ScaledPictureName(name, scale) + QStringLiteral(".jpg"), EncodeJpeg(image, kind));
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

void WriteButton(const QDir& folder, const QString& name, const QString& caption, const PictureScale& scale)
{
    Write(folder, name, scale, DrawDialogButton(caption, false, scale.factor), JpegKind::Baseline);
    Write(folder, name + QStringLiteral("akt"), scale, DrawDialogButton(caption, true, scale.factor),
          JpegKind::Baseline);
}

void DrawAtScale(const QDir& folder, const PictureScale& scale)
{
    const QImage face = DrawDialogFace(scale.factor);
    Write(folder, QStringLiteral("oknowarning"), scale, face, JpegKind::Baseline);
    Write(folder, QStringLiteral("ikoinfo"), scale, DrawDialogIcon(face, DialogIcon::Information), JpegKind::Baseline);
    Write(folder, QStringLiteral("ikopytanie"), scale, DrawDialogIcon(face, DialogIcon::Question), JpegKind::Baseline);
    Write(folder, QStringLiteral("ikouwaga"), scale, DrawDialogIcon(face, DialogIcon::Warning), JpegKind::Baseline);
    for (const ButtonNames& button : Buttons) {
        WriteButton(folder, QString::fromUtf8(button.polish), QString::fromUtf8(button.polishCaption), scale);
        WriteButton(folder, QString::fromUtf8(button.english), QString::fromUtf8(button.englishCaption), scale);
    }
    Write(folder, QStringLiteral("tlo"), scale, DrawMainBackground(QStringLiteral(ULNIK_VERSION), scale.factor),
          JpegKind::Progressive);
}

void DrawAll(const QDir& folder)
{
    for (const PictureScale& scale : kPictureScales)
        DrawAtScale(folder, scale);
}

// The sizes of the hicolor theme that the package installs, beside the scalable picture.
constexpr int IconSizes[] = {48, 128, 256};

void DrawIcons(const QDir& folder)
{
    for (const int size : IconSizes) {
        const QString name = QStringLiteral("ulnik-%1.png").arg(size);
        if (!DrawProgramIcon(size).save(folder.filePath(name), "PNG"))
            throw std::runtime_error("cannot write " + folder.filePath(name).toStdString());
    }
    WriteBytes(folder, QStringLiteral("ulnik.svg"), ProgramIconSvg());
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && QByteArray(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: ulnik-draw-skin FOLDER\n       ulnik-draw-skin --icons FOLDER\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
        if (icons)
            DrawIcons(folder);
        else
            DrawAll(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ulnik-draw-skin: %s\n", error.what());
        return 1;
    }
    return 0;
}
