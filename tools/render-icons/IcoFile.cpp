#include "tools/render-icons/IcoFile.h"

#include <QBuffer>
#include <QDataStream>

namespace netlist {
namespace {

constexpr int kDirectoryEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;

// A BITMAPINFOHEADER, the pixels bottom-up in BGRA, then the 1-bit mask that
// older loaders want (all zero: the alpha channel carries the transparency).
QByteArray bitmapEntry(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(kBitmapHeaderSize) << qint32(width) << qint32(height * 2) << quint16(1)
        << quint16(32) << quint32(0) << quint32(width * height * 4 + maskStride * height)
        << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    bytes.append(QByteArray(maskStride * height, '\0'));
    return bytes;
}

QByteArray pngEntry(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray IcoFile(const std::vector<QImage>& images) {
    std::vector<QByteArray> entries;
    for (const QImage& image : images)
        entries.push_back(image.width() < 256 ? bitmapEntry(image) : pngEntry(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + kDirectoryEntrySize * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size())
            << quint32(offset);
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries) file.append(entry);
    return file;
}

}  // namespace netlist
