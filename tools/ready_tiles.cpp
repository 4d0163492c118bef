// Packs pictures ready for the program's folder (see ui/packed_picture.h).
// Run by the build.
//
//   ready_tiles OUT_DIR SIZES(comma-separated) SOURCE...
//       every tile picture (.svg or .png) at each size, exactly as the
//       program would draw it, into OUT_DIR/<pixels>/<name>.qlxp
//   ready_tiles --as-is OUT_DIR PICTURE...
//       each picture at its own size, into OUT_DIR/<name>.qlxp
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <cstring>

#include "packed_picture.h"
#include "tile_pictures.h"

namespace {

bool write(const QImage& picture, const QString& file) {
    QSaveFile out(file);
    if (picture.isNull() || !out.open(QIODevice::WriteOnly) || out.write(qlx::packPicture(picture)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "ready_tiles: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

QString packedName(const QString& source) { return QFileInfo(source).completeBaseName() + QStringLiteral(".qlxp"); }

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--as-is") == 0) {
        const QString out = QString::fromLocal8Bit(argv[2]);
        if (!QDir().mkpath(out)) return 1;
        for (int i = 3; i < argc; ++i) {
            const QString source = QString::fromLocal8Bit(argv[i]);
            if (!write(QImage(source), out + QLatin1Char('/') + packedName(source))) return 1;
        }
        return 0;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: ready_tiles OUT_DIR SIZES SOURCE...\n       ready_tiles --as-is OUT_DIR PICTURE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QStringList sizes = QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','));
    for (const QString& size : sizes) {
        const int pixels = size.toInt();
        if (pixels <= 0 || !QDir().mkpath(out + QLatin1Char('/') + size)) return 1;
        for (int i = 3; i < argc; ++i) {
            const QString source = QString::fromLocal8Bit(argv[i]);
            const QImage picture = source.endsWith(QStringLiteral(".svg"))
                                       ? qlx::renderVectorPicture(source, pixels)
                                       : qlx::renderBitmapPicture(source, pixels);
            if (!write(picture, out + QLatin1Char('/') + size + QLatin1Char('/') + packedName(source))) return 1;
        }
    }
    return 0;
}
