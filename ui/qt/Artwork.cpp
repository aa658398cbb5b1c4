#include "ui/qt/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "ui/Artwork.h"

namespace netlist {
namespace {

QColor toQColor(artwork::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QRectF boundsOf(const artwork::Shape& shape) {
    return QRectF(QPointF(shape.points[0].x, shape.points[0].y),
                  QPointF(shape.points[1].x, shape.points[1].y));
}

void setBrush(QPainter& painter, const artwork::Shape& shape) {
    if (!shape.fillTop) {
        painter.setBrush(Qt::NoBrush);
        return;
    }
    const QRectF bounds = boundsOf(shape);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, toQColor(*shape.fillTop));
    fill.setColorAt(1, toQColor(shape.fillBottom.value_or(*shape.fillTop)));
    painter.setBrush(fill);
}

void paintShape(QPainter& painter, const artwork::Shape& shape) {
    using artwork::ShapeKind;
    if (shape.pen)
        painter.setPen(
            QPen(toQColor(*shape.pen), shape.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    switch (shape.kind) {
        case ShapeKind::Rectangle:
            setBrush(painter, shape);
            painter.drawRect(boundsOf(shape));
            break;
        case ShapeKind::RoundedRectangle:
            setBrush(painter, shape);
            painter.drawRoundedRect(boundsOf(shape), shape.radius, shape.radius);
            break;
        case ShapeKind::Ellipse:
            setBrush(painter, shape);
            painter.drawEllipse(boundsOf(shape));
            break;
        case ShapeKind::Polyline: {
            QPolygonF line;
            for (const artwork::Point point : shape.points) line << QPointF(point.x, point.y);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
            break;
        }
        case ShapeKind::Text: {
            QFont font = painter.font();
            font.setPixelSize(static_cast<int>(shape.textPixelSize));
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(boundsOf(shape), Qt::AlignCenter, QString::fromLatin1(shape.text));
            break;
        }
    }
}

QPixmap render(const artwork::Picture& picture, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(width) / picture.width, double(height) / picture.height);
    PaintPicture(painter, picture);
    return pixmap;
}

}  // namespace

void PaintPicture(QPainter& painter, const artwork::Picture& picture, bool withTexts) {
    for (const artwork::Shape& shape : picture.shapes)
        if (withTexts || shape.kind != artwork::ShapeKind::Text) paintShape(painter, shape);
}

QIcon NetlistIcon() {
    const artwork::Picture picture = artwork::IconPicture();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(render(picture, size, size));
    return icon;
}

QPixmap AboutPicture() {
    const artwork::Picture picture = artwork::AboutPicture();
    return render(picture, picture.width, picture.height);
}

}  // namespace netlist
