// The tile pictures the build draws ready are the very pictures the vectors
// give: every picture at every size kept ready, to the last bit, and an image
// list of such a size shows them.
#include <QtTest>

#include "tile_pictures.h"

using namespace qlx;

class TilePicturesTest : public QObject {
    Q_OBJECT
private slots:
    void readyPicturesAreTheVectorPictures();
};

void TilePicturesTest::readyPicturesAreTheVectorPictures() {
    for (const int pixels : {16, 32, 48, 64, 96}) {
        for (int n = 1; n <= kPictureCount; ++n) {
            const QString name = QStringLiteral("tile_%1").arg(n, 2, 10, QLatin1Char('0'));
            const QString vector = QStringLiteral(":/tiles/") + name + QStringLiteral(".svg");
            if (!QFile::exists(vector)) continue;  // a bitmap source: nothing drawn ready
            const QString ready = QStringLiteral(":/tiles/%1/").arg(pixels) + name + QStringLiteral(".png");
            QVERIFY2(QFile::exists(ready), qPrintable(ready));
            const QImage drawn = renderVectorPicture(vector, pixels);
            QCOMPARE(QImage(ready, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
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
}

QTEST_MAIN(TilePicturesTest)
#include "tile_pictures_test.moc"
