// Writes the program's icon as netlist-report-SIZE.png for every size the
// window uses, netlist-report.ico for Windows and, when Qt's SVG module is
// there, netlist-report.svg.
//   netlist-render-icons OUTPUT_FOLDER
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/render-icons/IcoFile.h"
#include "ui/qt/Artwork.h"

#ifdef NETLIST_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace {

constexpr int kSvgSize = 256;
constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};
constexpr std::array<int, 5> kIcoSizes{16, 24, 32, 48, 256};
const QColor kBoardEdge(13, 61, 34);  // the board edge of the About picture

// The icon's rounded outline within (0, 0, size, size), and the width of the
// board edge drawn along it.
struct IconShape {
    QRectF outline;
    qreal corner;
    qreal edge;
};

IconShape IconShapeFor(int size) {
    const qreal margin = std::floor(size / 32.0);
    return {QRectF(margin, margin, size - 2 * margin, size - 2 * margin),
            std::max(2.0, size / 16.0), std::max(1.0, size / 64.0)};
}

// A square cut from the About box's board around its chip. Small icons show
// only the chip and its nearest parts, so that the chip still reads at 16
// pixels; larger ones show the board's whole top square.
void PaintIcon(QPainter& painter, int size) {
    const QRectF crop = size < 48 ? QRectF(40, 34, 80, 80) : QRectF(12, 12, 136, 136);
    const IconShape shape = IconShapeFor(size);
    QPainterPath outline;
    outline.addRoundedRect(shape.outline, shape.corner, shape.corner);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(outline);
    painter.translate(shape.outline.topLeft());
    painter.scale(shape.outline.width() / crop.width(), shape.outline.height() / crop.height());
    painter.translate(-crop.topLeft());
    // Below 64 pixels the silkscreen texts would only be grey smudges.
    netlist::PaintPicture(painter, netlist::artwork::AboutPicture(), size >= 64);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBoardEdge, shape.edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

QImage IconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintIcon(painter, size);
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

#ifdef NETLIST_HAVE_SVG
// Qt's SVG generator leaves out clipping, so the clip to the icon's outline
// (taken half the edge's width wider, the edge covering the rest) is added to
// its output by hand.
QByteArray svgIcon() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(kSvgSize, kSvgSize));
        svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
        svg.setTitle(QStringLiteral("netlist-report"));
        QPainter painter(&svg);
        PaintIcon(painter, kSvgSize);
    }
    const IconShape shape = IconShapeFor(kSvgSize);
    const QRectF clip =
        shape.outline.adjusted(-shape.edge / 2, -shape.edge / 2, shape.edge / 2, shape.edge / 2);
    const QString clipPath =
        QStringLiteral(
            "<clipPath id=\"outline\"><rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
            "rx=\"%5\"/></clipPath>\n</defs>\n<g clip-path=\"url(#outline)\">\n<g ")
            .arg(clip.x())
            .arg(clip.y())
            .arg(clip.width())
            .arg(clip.height())
            .arg(shape.corner + shape.edge / 2);
    QByteArray bytes = buffer.data();
    const qsizetype defsEnd = bytes.indexOf("</defs>\n<g ");
    const qsizetype svgEnd = bytes.lastIndexOf("</svg>");
    if (defsEnd < 0 || svgEnd < 0) return {};
    bytes.insert(svgEnd, "</g>\n");
    bytes.replace(defsEnd, qsizetype(sizeof("</defs>\n<g ") - 1), clipPath.toUtf8());
    return bytes;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: netlist-render-icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    std::vector<QImage> icoImages;
    for (const int size : kIconSizes) {
        const QImage image = IconImage(size);
        ok = image.save(folder.filePath(QStringLiteral("netlist-report-%1.png").arg(size))) && ok;
        if (std::find(kIcoSizes.begin(), kIcoSizes.end(), size) != kIcoSizes.end())
            icoImages.push_back(image);
    }
    ok = writeFile(folder.filePath(QStringLiteral("netlist-report.ico")),
                   netlist::IcoFile(icoImages)) &&
         ok;
#ifdef NETLIST_HAVE_SVG
    ok = writeFile(folder.filePath(QStringLiteral("netlist-report.svg")), svgIcon()) && ok;
#endif
    if (!ok) std::fprintf(stderr, "netlist-render-icons: could not write every file\n");
    return ok ? 0 : 1;
}
