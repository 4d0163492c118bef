// Draws the tile pictures ready for the program's resources: every vector
// picture at each of the given sizes, exactly as the program would draw it,
// into OUT_DIR/<pixels>/tile_NN.png. Run by the build.
//
//   ready_tiles OUT_DIR SIZES(comma-separated) TILE.svg...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "tile_pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: ready_tiles OUT_DIR SIZES TILE.svg...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QStringList sizes = QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','));
    for (const QString& size : sizes) {
        const int pixels = size.toInt();
        if (pixels <= 0 || !QDir().mkpath(out + QLatin1Char('/') + size)) return 1;
        for (int i = 3; i < argc; ++i) {
            const QString svg = QString::fromLocal8Bit(argv[i]);
            const QImage picture = qlx::renderVectorPicture(svg, pixels);
            const QString file = out + QLatin1Char('/') + size + QLatin1Char('/') + QFileInfo(svg).completeBaseName() +
                                 QStringLiteral(".png");
            if (picture.isNull() || !picture.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
                std::fprintf(stderr, "ready_tiles: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
