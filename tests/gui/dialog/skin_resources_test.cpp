#include "jpeg_decoder.h"
#include "picture_scale.h"
#include "resource_image.h"

#include <QFile>
#include <QtMath>
#include <QTest>

namespace {

// The frame marker and component count of a JPEG file: 0xC0 baseline, 0xC2 progressive.
struct JpegFrame {
    int marker = 0;
    int components = 0;
};

JpegFrame ReadFrame(const QByteArray& jpeg)
{
    qsizetype at = 2;
    while (at + 9 < jpeg.size() && uchar(jpeg[at]) == 0xff) {
        const int marker = uchar(jpeg[at + 1]);
        if (marker >= 0xc0 && marker <= 0xc2)
            return {marker, uchar(jpeg[at + 9])};
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    return {};
}

QByteArray CommittedPicture(const QString& name)
{
    QFile file(QStringLiteral(ULNIK_SOURCE_DIR "/gui/skin/") + name + QStringLiteral(".jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SkinResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSize_data();
    void everyPictureHasItsSize();
    void screenGetsTheNearestScaleAtOrAbove_data();
    void screenGetsTheNearestScaleAtOrAbove();
    void namesMatchWithoutRegardToCase();
    void unknownNamesRaise_data();
    void unknownNamesRaise();
    void damagedPictureRaises();
    void backgroundIsProgressiveColour();
};

void SkinResourcesTest::everyPictureHasItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("scale");
    const auto add = [](const QString& name, QSize size) {
        for (const PictureScale& scale : kPictureScales) {
            // A part pixel counts whole: the icon is 64.5 pixels high at 1.5x.
            const QSize scaled(qCeil(size.width() * scale.factor), qCeil(size.height() * scale.factor));
            QTest::newRow(qPrintable(ScaledPictureName(name, scale))) << name << scaled << scale.factor;
        }
    };
    add(QStringLiteral("oknowarning"), QSize(350, 150));
    for (const char* icon : {"ikoinfo", "ikopytanie", "ikouwaga"})
        add(QString::fromLatin1(icon), QSize(42, 43));
    for (const char* button : {"buttak", "butnie", "butanuluj", "butzamknij", "butyes", "butno", "butcancel",
                               "butclose"}) {
        add(QString::fromLatin1(button), QSize(88, 26));
        add(QString::fromLatin1(button) + QStringLiteral("akt"), QSize(88, 26));
    }
    add(QStringLiteral("tlo"), QSize(634, 442));
}

void SkinResourcesTest::everyPictureHasItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(qreal, scale);
    const QImage image = LoadResourceImage(name, scale);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.devicePixelRatio(), scale);
    if (name != QStringLiteral("tlo")) {
        const JpegFrame frame = ReadFrame(CommittedPicture(ScaledPictureName(name, PictureScaleFor(scale))));
        QCOMPARE(frame.marker, 0xc0);
        QCOMPARE(frame.components, 3);
    }
}

void SkinResourcesTest::screenGetsTheNearestScaleAtOrAbove_data()
{
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<qreal>("drawnAt");
    QTest::newRow("below 1") << 0.75 << 1.0;
    QTest::newRow("1") << 1.0 << 1.0;
    QTest::newRow("1.25") << 1.25 << 1.5;
    QTest::newRow("1.5") << 1.5 << 1.5;
    QTest::newRow("1.5 and a rounding error") << 1.5 + 1e-9 << 1.5;
    QTest::newRow("1.75") << 1.75 << 2.0;
    QTest::newRow("2") << 2.0 << 2.0;
    QTest::newRow("3: the largest") << 3.0 << 2.0;
}

void SkinResourcesTest::screenGetsTheNearestScaleAtOrAbove()
{
    QFETCH(qreal, devicePixelRatio);
    QFETCH(qreal, drawnAt);
    QCOMPARE(LoadResourceImage(QStringLiteral("buttak"), devicePixelRatio).devicePixelRatio(), drawnAt);
}

void SkinResourcesTest::namesMatchWithoutRegardToCase()
{
    const QImage expected = LoadResourceImage(QStringLiteral("butzamknijakt"));
    QCOMPARE(LoadResourceImage(QStringLiteral("ButZamknijAKT")), expected);
    QCOMPARE(LoadResourceImage(QStringLiteral("BUTZAMKNIJAKT")), expected);
    QVERIFY(LoadResourceImage(QStringLiteral("butzamknij")) != expected);
}

void SkinResourcesTest::unknownNamesRaise_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "butmaybe";
    QTest::newRow("empty") << "";
    QTest::newRow("with extension") << "buttak.jpg";
    QTest::newRow("path") << "../skin/buttak";
    QTest::newRow("resource path") << ":/skin/buttak";
}

void SkinResourcesTest::unknownNamesRaise()
{
    QFETCH(QString, name);
    QVERIFY_THROWS_EXCEPTION(ResourceNotFound, LoadResourceImage(name));
}

void SkinResourcesTest::damagedPictureRaises()
{
    QByteArray cut = CommittedPicture(QStringLiteral("buttak"));
    QVERIFY(!cut.isEmpty());
    QVERIFY_THROWS_EXCEPTION(JpegError, DecodeJpeg(cut.left(20)));
    QVERIFY_THROWS_EXCEPTION(JpegError, DecodeJpeg(QByteArray("not a picture")));
}

void SkinResourcesTest::backgroundIsProgressiveColour()
{
    const JpegFrame frame = ReadFrame(CommittedPicture(QStringLiteral("tlo")));
    QCOMPARE(frame.marker, 0xc2);
    QCOMPARE(frame.components, 3);
}

int RunSkinResourceTests(int argc, char* argv[])
{
    SkinResourcesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "skin_resources_test.moc"
