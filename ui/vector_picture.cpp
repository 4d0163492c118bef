// The one way a tile picture is drawn from its source (vector, or a large
// bitmap), shared by the image lists and by the build's tool that draws the
// pictures ready.
#include <QPainter>
#include <QSvgRenderer>

#include "tile_pictures.h"

namespace qlx {

QImage renderVectorPicture(const QString& svgFile, int pixels) {
    QSvgRenderer svg(svgFile);
    QImage out(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, pixels, pixels));
    }
    // Through the straight-alpha form a PNG file keeps, so that a picture drawn
    // ready by the build and one drawn here are the same to the last bit.
    return out.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage renderBitmapPicture(const QString& pngFile, int pixels) {
    const QImage source(pngFile, "PNG");
    if (source.isNull()) return {};
    return source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace qlx
