#include "packed_picture.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace qlx {

namespace {
constexpr char kMagic[4] = {'Q', 'L', 'X', 'P'};
constexpr qsizetype kHeaderBytes = 12;
constexpr int kMaxSide = 4096;  // far beyond any tile or icon
}  // namespace

QByteArray packPicture(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = pixels.width();
    const int h = pixels.height();
    QByteArray raw(kHeaderBytes + qsizetype(w) * h * 4, Qt::Uninitialized);
    char* out = raw.data();
    std::memcpy(out, kMagic, sizeof kMagic);
    qToLittleEndian<quint32>(quint32(w), out + 4);
    qToLittleEndian<quint32>(quint32(h), out + 8);
    out += kHeaderBytes;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < w; ++x, out += 4) qToLittleEndian<quint32>(line[x], out);
    }
    return qCompress(raw, 9);
}

QImage unpackPicture(const QByteArray& packed) {
    if (packed.size() < 4) return {};
    const QByteArray raw = qUncompress(packed);
    if (raw.size() < kHeaderBytes || std::memcmp(raw.constData(), kMagic, sizeof kMagic) != 0) return {};
    const quint32 w = qFromLittleEndian<quint32>(raw.constData() + 4);
    const quint32 h = qFromLittleEndian<quint32>(raw.constData() + 8);
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return {};
    if (raw.size() != kHeaderBytes + qsizetype(w) * h * 4) return {};
    QImage image(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    const char* in = raw.constData() + kHeaderBytes;
    for (int y = 0; y < int(h); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < int(w); ++x, in += 4) line[x] = qFromLittleEndian<quint32>(in);
    }
    return image;
}

QImage readPackedPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return unpackPicture(file.readAll());
}

}  // namespace qlx
