// The three image lists of tile pictures (16, 32 and 48 pixels), each holding
// the same 45 pictures numbered from 1: picture 9 * set + code.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <map>

namespace qlx {

inline constexpr int kPictureCount = 45;

// The kind of tile that a picture shows, in words that fit its set (colour
// and pattern, colour, bird, animal, colour and figure), for screen readers:
// set 0..4, kind 1..9, in the order of assets/README.md. Nothing (an empty
// text) for a set or kind out of range.
const char* tileKindName(int tileSet, int kind);

// A picture drawn from its vector source at `pixels` square, as the lists
// draw them, and as the build draws the pictures it keeps ready.
QImage renderVectorPicture(const QString& svgFile, int pixels);
// A picture from a large bitmap source, scaled smoothly to `pixels` square.
QImage renderBitmapPicture(const QString& pngFile, int pixels);

// The sizes at which the build keeps every picture ready, packed (see
// packed_picture.h) in files beside the program, pictures/<pixels>/tile_NN.qlxp:
// the three tile sizes at one and two device pixels per pixel. A board of
// those sizes is shown without the vector renderer and without the toolkit's
// image readers.
inline constexpr int kReadyPictureSizes[] = {16, 32, 48, 64, 96};

// The folder of the pictures drawn ready, beside the program.
QString readyPicturesFolder();

// One image list: square pictures of one size. A picture is made the first
// time it is asked for at a given device pixel ratio, and kept: read from the
// pictures kept ready by the build where there is one of that size, else
// drawn from its source (vector, or a large bitmap scaled smoothly).
class ImageList {
public:
    // Sources in sourceDir (tile_NN.svg or .png), pictures drawn ready in
    // readyDir/<pixels>/tile_NN.qlxp.
    explicit ImageList(int pictureSize, QString sourceDir = QStringLiteral(":/tiles"),
                       QString readyDir = readyPicturesFolder());

    int pictureSize() const { return size_; }
    // Picture n (1..45) at this list's size, for a screen of the given pixel ratio.
    // An unknown number or a missing source gives a null image.
    const QImage& picture(int n, qreal devicePixelRatio = 1.0) const;

private:
    QImage render(int n, qreal devicePixelRatio) const;

    int size_;
    QString dir_;
    QString readyDir_;
    mutable std::map<std::pair<int, int>, QImage> cache_;  // (n, ratio * 100)
};

// tilePictures(0..2): the lists for "small", "Standard" and "Big".
class TilePictures {
public:
    explicit TilePictures(QString sourceDir = QStringLiteral(":/tiles"), QString readyDir = readyPicturesFolder());
    const ImageList& list(int tileSizeIndex) const { return lists_.at(static_cast<size_t>(tileSizeIndex)); }
    // The list of pictures `pixels` wide: one of the three, or, for a board
    // shrunk to fit its screen, a list of that size made at its first use.
    const ImageList& listOfSize(int pixels) const;

private:
    std::array<ImageList, 3> lists_;
    QString dir_;
    QString readyDir_;
    mutable std::map<int, ImageList> shrunk_;
};

}  // namespace qlx
