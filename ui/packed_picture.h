// Pictures the build keeps ready beside the program, in a form of its own: "QLXP", the width and the height (32 bits each, little-endian), then
// the pixels as the program draws them (premultiplied ARGB, 32 bits each,
// little-endian, row after row), the whole compressed with qCompress.
//
// They are read without the toolkit's image readers, which load every
// image-format plugin on the system to find one for a file (about 2 ms and
// the JPEG library, at a start that shows only ready pictures).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qlx {

QByteArray packPicture(const QImage& image);
// The picture; a null image for data that is not one whole packed picture.
QImage unpackPicture(const QByteArray& packed);
// The packed picture in the file at `path`; a null image if there is none or
// it is damaged.
QImage readPackedPicture(const QString& path);

}  // namespace qlx
