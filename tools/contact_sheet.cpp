// Contact sheets of the tile pictures, drawn the way the game draws them, and a
// check that every picture loads cleanly.
//
// Not part of the main build. Build and run it by hand, for example:
//   g++ -std=c++20 -fPIC tools/contact_sheet.cpp -o /tmp/contact_sheet
//       $(pkg-config --cflags --libs Qt6Svg Qt6Gui Qt6Core)
// or with a throw-away CMake project (find_package(Qt6 COMPONENTS Core Gui Svg)), then
//   QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/rt /tmp/contact_sheet assets/tiles /tmp/sheets
//
// For each of the five sets it writes set_N.png: every picture at 16, 32 and
// 48 px, the 16 px row again blown up four times (pixel for pixel), the three
// sizes at device pixel ratio 2, and sample boards of 12 x 10 tiles with 5 and
// with 8 kinds, at 16 and 32 px, also as seen with deuteranopia, protanopia and
// in grey. It writes all_16px.png with a 16 px board of every set, side by side.
// Everything is composited on the board colour RGB(128, 128, 255).
//
// Exit status 1 when a picture is missing, is not square, fails to load, draws
// outside its square, or when Qt warns while loading or drawing any of them.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

int g_warnings = 0;

void onMessage(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        ++g_warnings;
    }
    std::fprintf(stderr, "qt: %s\n", qPrintable(msg));
}

const QColor kBoard(128, 128, 255);
const QColor kWindow(192, 192, 255);

struct Picture {
    QString path;
    std::unique_ptr<QSvgRenderer> svg;
    QImage png;
};

// One picture at px x px logical pixels and the given device pixel ratio, on a
// transparent background: SVGs are rendered straight at that size, PNGs are
// scaled down smoothly.
QImage render(const Picture &p, int px, qreal dpr)
{
    const int side = qRound(px * dpr);
    QImage img;
    if (p.svg) {
        img = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        p.svg->render(&painter, QRectF(0, 0, side, side));
    } else {
        img = p.png.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return img;
}

// The SVG renderer does not clip to the view box: count what a picture draws
// outside its square when rendered in the middle of a canvas three times its size.
int pixelsOutside(QSvgRenderer &svg)
{
    QImage img(288, 288, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(96, 96, 96, 96));
    painter.end();
    int count = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const bool inside = x >= 96 && x < 192 && y >= 96 && y < 192;
            if (!inside && qAlpha(img.pixel(x, y)) > 8) {
                ++count;
            }
        }
    }
    return count;
}

double toLinear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int toSrgb(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    const double c = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return qRound(c * 255);
}

// Dichromat simulation in linear RGB (Vienot, Brettel and Mollon 1999).
QImage simulate(const QImage &src, const std::array<double, 9> &m)
{
    QImage out = src.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double r = toLinear(qRed(line[x])), g = toLinear(qGreen(line[x])),
                         b = toLinear(qBlue(line[x]));
            line[x] = qRgb(toSrgb(m[0] * r + m[1] * g + m[2] * b), toSrgb(m[3] * r + m[4] * g + m[5] * b),
                           toSrgb(m[6] * r + m[7] * g + m[8] * b));
        }
    }
    return out;
}

constexpr std::array<double, 9> kDeuter{0.29275, 0.70725, 0, 0.29275, 0.70725, 0, -0.02234, 0.02234, 1};
constexpr std::array<double, 9> kProtan{0.11238, 0.88762, 0, 0.11238, 0.88762, 0, 0.00401, -0.00401, 1};
constexpr std::array<double, 9> kGrey{0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722};

QImage board(const std::vector<Picture> &pics, int set, int kinds, int px, unsigned seed)
{
    const int cols = 12, rows = 10;
    QImage img(cols * px, rows * px, QImage::Format_RGB32);
    img.fill(kBoard);
    std::vector<QImage> tiles;
    for (int k = 1; k <= kinds; ++k) {
        tiles.push_back(render(pics[9 * set + k - 1], px, 1));
    }
    std::mt19937 rng(seed);
    QPainter painter(&img);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int k = int(rng() % unsigned(kinds));
            if (r < 2 && c < 3) {
                continue; // an empty corner, as after a few moves
            }
            painter.drawImage(c * px, r * px, tiles[k]);
        }
    }
    return img;
}

void label(QPainter &p, int x, int y, const QString &text)
{
    p.setPen(Qt::black);
    p.drawText(x, y, text);
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(onMessage);
    QGuiApplication app(argc, argv);
    const QString tilesDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets/tiles");
    const QString outDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/qlx-sheets");
    QDir().mkpath(outDir);

    int failures = 0;
    std::vector<Picture> pics(45);
    for (int n = 1; n <= 45; ++n) {
        Picture &p = pics[n - 1];
        const QString base = QStringLiteral("%1/tile_%2").arg(tilesDir).arg(n, 2, 10, QLatin1Char('0'));
        if (QFileInfo::exists(base + ".svg")) {
            p.path = base + ".svg";
            p.svg = std::make_unique<QSvgRenderer>(p.path);
            const QRectF box = p.svg->viewBoxF();
            if (!p.svg->isValid() || box != QRectF(0, 0, 96, 96)) {
                std::fprintf(stderr, "%s: invalid, or view box is not 0 0 96 96\n", qPrintable(p.path));
                ++failures;
            } else if (const int spill = pixelsOutside(*p.svg)) {
                std::fprintf(stderr, "%s: %d pixels drawn outside the square\n", qPrintable(p.path), spill);
                ++failures;
            }
        } else if (QFileInfo::exists(base + ".png")) {
            p.path = base + ".png";
            p.png = QImage(p.path);
            if (p.png.isNull() || p.png.width() != p.png.height() || p.png.width() < 96) {
                std::fprintf(stderr, "%s: unreadable or not a square of at least 96 px\n", qPrintable(p.path));
                ++failures;
            }
        } else {
            std::fprintf(stderr, "%s.svg/.png: missing\n", qPrintable(base));
            ++failures;
        }
    }
    if (failures) {
        return 1;
    }

    const int cell = 104; // column pitch on the sheet
    const int left = 70;
    const std::array<int, 3> sizes{16, 32, 48};
    for (int set = 0; set < 5; ++set) {
        const int width = left + 9 * cell + 10;
        const int height = 1280;
        QImage sheet(width, height, QImage::Format_RGB32);
        sheet.fill(kWindow);
        QPainter p(&sheet);
        int y = 10;
        auto band = [&](int h) {
            p.fillRect(left - 6, y - 4, 9 * cell + 4, h + 8, kBoard);
        };
        for (int s : sizes) {
            band(s);
            label(p, 6, y + s / 2 + 5, QStringLiteral("%1 px").arg(s));
            for (int k = 0; k < 9; ++k) {
                p.drawImage(left + k * cell, y, render(pics[9 * set + k], s, 1));
            }
            y += s + 16;
            if (s == 16) {
                band(64);
                label(p, 6, y + 37, QStringLiteral("16 x4"));
                for (int k = 0; k < 9; ++k) {
                    QImage tile(16, 16, QImage::Format_RGB32);
                    tile.fill(kBoard);
                    QPainter tp(&tile);
                    tp.drawImage(0, 0, render(pics[9 * set + k], 16, 1));
                    tp.end();
                    p.drawImage(left + k * cell, y, tile.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
                }
                y += 64 + 16;
            }
        }
        for (int s : sizes) {
            band(2 * s);
            label(p, 6, y + s + 5, QStringLiteral("%1 @2x").arg(s));
            for (int k = 0; k < 9; ++k) {
                QImage hi = render(pics[9 * set + k], s, 2);
                hi.setDevicePixelRatio(1); // show the real pixels
                p.drawImage(left + k * cell, y, hi);
            }
            y += 2 * s + 16;
        }
        // sample boards at 16 px: 5 kinds, 8 kinds, then 8 kinds as seen by dichromats and in grey
        const QImage b5 = board(pics, set, 5, 16, 7);
        const QImage b8 = board(pics, set, 8, 16, 11);
        label(p, 6, y + 12, QStringLiteral("5, 8 kinds; deut, prot, grey"));
        y += 20;
        int x = 6;
        for (const QImage &b : {b5, b8, simulate(b8, kDeuter), simulate(b8, kProtan), simulate(b8, kGrey)}) {
            p.drawImage(x, y, b);
            x += b.width() + 8;
        }
        y += b5.height() + 12;
        const QImage c8 = board(pics, set, 8, 32, 11);
        p.drawImage(6, y, c8);
        p.drawImage(6 + c8.width() + 8, y, simulate(c8, kDeuter));
        y += c8.height() + 8;
        p.end();
        const QString out = QStringLiteral("%1/set_%2.png").arg(outDir).arg(set);
        sheet.copy(0, 0, width, y).save(out);
        std::printf("%s\n", qPrintable(out));
    }

    // every set as a 16 px board, side by side
    {
        QImage all(5 * (192 + 10) + 10, 2 * (160 + 10) + 10, QImage::Format_RGB32);
        all.fill(kWindow);
        QPainter p(&all);
        for (int set = 0; set < 5; ++set) {
            p.drawImage(10 + set * 202, 10, board(pics, set, 8, 16, 3));
            p.drawImage(10 + set * 202, 180, board(pics, set, 5, 16, 5));
        }
        p.end();
        const QString out = outDir + QStringLiteral("/all_16px.png");
        all.save(out);
        std::printf("%s\n", qPrintable(out));
    }

    if (g_warnings) {
        std::fprintf(stderr, "%d warning(s) from Qt\n", g_warnings);
        return 1;
    }
    return 0;
}
