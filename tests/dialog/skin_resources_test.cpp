#include "jpeg_decoder.h"
#include "resource_image.h"

#include <QFile>
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
    QFile file(QStringLiteral(ULNIK_SOURCE_DIR "/resources/") + name + QStringLiteral(".jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SkinResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSize_data();
    void everyPictureHasItsSize();
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
    QTest::newRow("oknowarning") << "oknowarning" << QSize(350, 150);
    for (const char* icon : {"ikoinfo", "ikopytanie", "ikouwaga"})
        QTest::newRow(icon) << icon << QSize(42, 43);
    for (const char* button : {"buttak", "butnie", "butanuluj", "butzamknij", "butyes", "butno", "butcancel",
                               "butclose"}) {
        const QString name = QString::fromLatin1(button);
        QTest::newRow(button) << name << QSize(88, 26);
        QTest::newRow(qPrintable(name + "akt")) << name + "akt" << QSize(88, 26);
    }
    QTest::newRow("tlo") << "tlo" << QSize(634, 442);
}

void SkinResourcesTest::everyPictureHasItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(LoadResourceImage(name).size(), size);
    if (name != QStringLiteral("tlo")) {
        const JpegFrame frame = ReadFrame(CommittedPicture(name));
        QCOMPARE(frame.marker, 0xc0);
        QCOMPARE(frame.components, 3);
    }
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
