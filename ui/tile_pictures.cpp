#include "tile_pictures.h"

#include <QFile>
#include <QPainter>
#include <cmath>

namespace qlx {

ImageList::ImageList(int pictureSize, QString resourceDir) : size_(pictureSize), dir_(std::move(resourceDir)) {}

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
    QImage out;
    const QString ready = dir_ + QLatin1Char('/') + QString::number(pixels) + name + QStringLiteral(".png");
    if (QFile::exists(ready)) {
        out = QImage(ready, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else if (QFile::exists(base + QStringLiteral(".svg"))) {
        out = renderVectorPicture(base + QStringLiteral(".svg"), pixels);
    } else {
        const QImage source(base + QStringLiteral(".png"));
        if (source.isNull()) return {};
        out = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                  .scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    out.setDevicePixelRatio(ratio);
    return out;
}

const char* tileKindName(int tileSet, int kind) {
    static constexpr const char* kNames[5][9] = {
        {"blue checks", "dark red bricks", "grey-green stripes", "pink marble", "cream with berries",
         "orange flower", "tan paper with a plant", "blue-grey granite", "dark blue flagstones"},
        {"dark blue star", "light blue star", "cyan star", "green star", "orange star", "magenta star",
         "lilac star", "red star", "pink star"},
        {"scarlet macaw", "blue-and-gold macaw", "green amazon", "white cockatoo", "grey parrot",
         "rainbow lorikeet", "sun conure", "galah", "cockatiel"},
        {"bee", "crab", "donkey", "dinosaur", "cat", "beaver", "mouse", "bird", "spider"},
        {"red Mandelbrot", "orange rabbit", "golden ship", "green Newton", "cyan Julia", "blue seahorse",
         "violet tricorn", "magenta Julia", "rainbow Newton"},
    };
    if (tileSet < 0 || tileSet > 4 || kind < 1 || kind > 9) return "";
    return kNames[tileSet][kind - 1];
}

TilePictures::TilePictures(QString resourceDir)
    : lists_{ImageList(16, resourceDir), ImageList(32, resourceDir), ImageList(48, resourceDir)},
      dir_(std::move(resourceDir)) {}

const ImageList& TilePictures::listOfSize(int pixels) const {
    for (const ImageList& l : lists_) {
        if (l.pictureSize() == pixels) return l;
    }
    return shrunk_.try_emplace(pixels, pixels, dir_).first->second;
}

}  // namespace qlx
