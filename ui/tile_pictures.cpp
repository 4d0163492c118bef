#include "tile_pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <cmath>

#include "packed_picture.h"

namespace qlx {

QString readyPicturesFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/pictures"); }

ImageList::ImageList(int pictureSize, QString sourceDir, QString readyDir)
    : size_(pictureSize), dir_(std::move(sourceDir)), readyDir_(std::move(readyDir)) {}

const QImage& ImageList::picture(int n, qreal devicePixelRatio) const {
    const std::pair<int, int> key{n, static_cast<int>(std::lround(devicePixelRatio * 100))};
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, render(n, devicePixelRatio)).first;
    return it->second;
}

QImage ImageList::render(int n, qreal ratio) const {
    if (n < 1 || n > kPictureCount) return {};
    const int pixels = static_cast<int>(std::lround(size_ * ratio));
    const QString name = QStringLiteral("/tile_%1").arg(n, 2, 10, QLatin1Char('0'));
    const QString base = dir_ + name;
    QImage out = readPackedPicture(readyDir_ + QLatin1Char('/') + QString::number(pixels) + name + QStringLiteral(".qlxp"));
    if (out.isNull()) {
        out = QFile::exists(base + QStringLiteral(".svg")) ? renderVectorPicture(base + QStringLiteral(".svg"), pixels)
                                                           : renderBitmapPicture(base + QStringLiteral(".png"), pixels);
    }
    if (out.isNull()) return {};
    out.setDevicePixelRatio(ratio);
    return out;
}

const char* tileKindName(int tileSet, int kind) {
    // The names a screen reader says, translated where they are said (context "qlx::TileKinds").
    static constexpr const char* kNames[5][9] = {
        {
            QT_TRANSLATE_NOOP("qlx::TileKinds", "blue checks"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "dark red bricks"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "grey-green stripes"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "pink marble"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "cream with berries"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "orange flower"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "tan paper with a plant"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "blue-grey granite"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "dark blue flagstones")
        },
        {
            QT_TRANSLATE_NOOP("qlx::TileKinds", "dark blue star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "light blue star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "cyan star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "green star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "orange star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "magenta star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "lilac star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "red star"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "pink star")
        },
        {
            QT_TRANSLATE_NOOP("qlx::TileKinds", "scarlet macaw"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "blue-and-gold macaw"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "green amazon"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "white cockatoo"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "grey parrot"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "rainbow lorikeet"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "sun conure"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "galah"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "cockatiel")
        },
        {
            QT_TRANSLATE_NOOP("qlx::TileKinds", "bee"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "crab"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "donkey"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "dinosaur"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "cat"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "beaver"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "mouse"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "bird"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "spider")
        },
        {
            QT_TRANSLATE_NOOP("qlx::TileKinds", "red Mandelbrot"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "orange rabbit"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "golden ship"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "green Newton"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "cyan Julia"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "blue seahorse"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "violet tricorn"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "magenta Julia"),
            QT_TRANSLATE_NOOP("qlx::TileKinds", "rainbow Newton")
        },
    };
    if (tileSet < 0 || tileSet > 4 || kind < 1 || kind > 9) return "";
    return kNames[tileSet][kind - 1];
}

TilePictures::TilePictures(QString sourceDir, QString readyDir)
    : lists_{ImageList(16, sourceDir, readyDir), ImageList(32, sourceDir, readyDir), ImageList(48, sourceDir, readyDir)},
      dir_(std::move(sourceDir)),
      readyDir_(std::move(readyDir)) {}

const ImageList& TilePictures::listOfSize(int pixels) const {
    for (const ImageList& l : lists_) {
        if (l.pictureSize() == pixels) return l;
    }
    return shrunk_.try_emplace(pixels, pixels, dir_, readyDir_).first->second;
}

}  // namespace qlx
