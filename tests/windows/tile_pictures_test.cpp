// The tile pictures the build keeps ready are the very pictures their sources
// give: every picture at every size kept ready, to the last bit, and an image
// list of such a size shows them. A damaged packed picture reads as none, and
// a list without the ready pictures draws them from their sources.
#include <QtTest>

#include "packed_picture.h"
#include "tile_pictures.h"

using namespace qlx;

class TilePicturesTest : public QObject {
    Q_OBJECT
private slots:
    void readyPicturesAreTheirSourcesPictures();
    void packedPicturesKeepEveryBitAndRefuseDamage();
};

void TilePicturesTest::readyPicturesAreTheirSourcesPictures() {
    for (const int pixels : kReadyPictureSizes) {
        for (int n = 1; n <= kPictureCount; ++n) {
            const QString name = QStringLiteral("tile_%1").arg(n, 2, 10, QLatin1Char('0'));
            const QString vector = QStringLiteral(":/tiles/") + name + QStringLiteral(".svg");
            const QImage drawn = QFile::exists(vector)
                                     ? renderVectorPicture(vector, pixels)
                                     : renderBitmapPicture(QStringLiteral(":/tiles/") + name + QStringLiteral(".png"), pixels);
            QVERIFY2(!drawn.isNull(), qPrintable(name));
            const QString ready = readyPicturesFolder() + QStringLiteral("/%1/").arg(pixels) + name + QStringLiteral(".qlxp");
            QCOMPARE(readPackedPicture(ready), drawn);
        }
    }
    // A list of 32 pixels at two device pixels per pixel shows the ready 64-pixel picture.
    const ImageList list(32);
    const QImage& shown = list.picture(7, 2.0);
    QCOMPARE(shown.size(), QSize(64, 64));
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QImage plain = shown;
    plain.setDevicePixelRatio(1.0);
    QCOMPARE(plain, renderVectorPicture(QStringLiteral(":/tiles/tile_07.svg"), 64));
    // A size kept ready for no list (a board shrunk to its screen) is drawn from the source.
    QCOMPARE(ImageList(20).picture(40).size(), QSize(20, 20));
    QCOMPARE(ImageList(20).picture(7), renderVectorPicture(QStringLiteral(":/tiles/tile_07.svg"), 20));
    // The icon's sizes, as the window manager gets them.
    for (const int size : {16, 24, 32, 48, 64}) {
        const QImage icon = readPackedPicture(readyPicturesFolder() + QStringLiteral("/quellix-%1.qlxp").arg(size));
        QCOMPARE(icon, QImage(QStringLiteral(":/icon/quellix-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TilePicturesTest::packedPicturesKeepEveryBitAndRefuseDamage() {
    // Not square, and with translucent pixels, whose premultiplied values must survive.
    QImage picture(5, 3, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgba(x * 40, y * 60, 7, 40 + 50 * x) & 0xff7f7f7fU);
    const QByteArray packed = packPicture(picture);
    QCOMPARE(unpackPicture(packed), picture);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("qUncompress")));
    QVERIFY(unpackPicture(packed.left(packed.size() - 5)).isNull());  // cut off
    QVERIFY(unpackPicture(QByteArray()).isNull());
    QByteArray raw = qUncompress(packed);
    QVERIFY(unpackPicture(qCompress(raw.left(raw.size() - 4))).isNull());  // a pixel short
    QByteArray wrongSize = raw;
    wrongSize[4] = 6;  // says 6 wide
    QVERIFY(unpackPicture(qCompress(wrongSize)).isNull());
    QByteArray notOurs = raw;
    notOurs[0] = 'P';
    QVERIFY(unpackPicture(qCompress(notOurs)).isNull());
    QByteArray huge = raw;
    huge[5] = 0x40;  // 16 389 wide: refused before any memory is taken for it
    QVERIFY(unpackPicture(qCompress(huge)).isNull());
    QVERIFY(readPackedPicture(readyPicturesFolder() + QStringLiteral("/17/tile_01.qlxp")).isNull());  // not kept
    // Without the pictures drawn ready (a program folder without them), the
    // sources give the same pictures.
    QCOMPARE(ImageList(32, QStringLiteral(":/tiles"), QStringLiteral("/nonexistent")).picture(40),
             ImageList(32).picture(40));
}

QTEST_MAIN(TilePicturesTest)
#include "tile_pictures_test.moc"
