// The one way a tile picture is drawn from its source (vector, or a large
// bitmap), shared by the image lists and by the build's tool that draws the
// pictures ready.
#include <QImageReader>

#include "tile_pictures.h"

namespace qlx {

QImage renderVectorPicture(const QString& svgFile, int pixels) {
    // Through Qt SVG's image plugin, loaded at the first picture drawn this
    // way: the program does not load the SVG library at every start.
    QImageReader svg(svgFile, "svg");
    svg.setScaledSize(QSize(pixels, pixels));
    const QImage out = svg.read();
    if (out.isNull()) return {};
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
