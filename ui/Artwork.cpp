#include "ui/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace netlist {
namespace {

const QColor kBoardGreen{30, 122, 69};
const QColor kBoardDarkGreen{20, 90, 50};
const QColor kBoardEdge{13, 61, 34};
const QColor kCopper{212, 168, 75};
const QColor kChipBlack{28, 28, 30};
const QColor kPinSilver{190, 194, 200};
const QColor kSilkscreen{236, 240, 236};

void drawBoard(QPainter& painter, const QRectF& board, qreal radius) {
    QLinearGradient fill(board.topLeft(), board.bottomRight());
    fill.setColorAt(0, kBoardGreen);
    fill.setColorAt(1, kBoardDarkGreen);
    painter.setPen(QPen(kBoardEdge, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(board, radius, radius);
}

// A square chip with pins on all four sides, pin 1 marked by a dot.
void drawChip(QPainter& painter, const QRectF& body, int pinsPerSide, qreal pinLength) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPinSilver);
    const qreal pitch = body.width() / (pinsPerSide + 1);
    const qreal pinWidth = pitch * 0.5;
    for (int i = 1; i <= pinsPerSide; ++i) {
        const qreal along = pitch * i - pinWidth / 2;
        painter.drawRect(QRectF(body.left() + along, body.top() - pinLength, pinWidth, pinLength));
        painter.drawRect(QRectF(body.left() + along, body.bottom(), pinWidth, pinLength));
        painter.drawRect(QRectF(body.left() - pinLength, body.top() + along, pinLength, pinWidth));
        painter.drawRect(QRectF(body.right(), body.top() + along, pinLength, pinWidth));
    }
    painter.setBrush(kChipBlack);
    painter.drawRect(body);
    painter.setBrush(QColor(70, 70, 74));
    const qreal dot = body.width() / 10;
    painter.drawEllipse(QRectF(body.left() + dot, body.top() + dot, dot * 1.4, dot * 1.4));
}

void drawMountingHole(QPainter& painter, QPointF centre, qreal radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCopper);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(24, 26, 30));
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
}

// A two-terminal part lying along x: copper pads with a body between them.
void drawPassive(QPainter& painter, QPointF centre, qreal length, const QColor& body) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCopper);
    painter.drawRect(QRectF(centre.x() - length / 2, centre.y() - 3, 4, 6));
    painter.drawRect(QRectF(centre.x() + length / 2 - 4, centre.y() - 3, 4, 6));
    painter.setBrush(body);
    painter.drawRect(QRectF(centre.x() - length / 2 + 3, centre.y() - 2.5, length - 6, 5));
}

}  // namespace

void PaintAboutPicture(QPainter& painter, bool withLabels) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient desk(0, 0, 0, kAboutPictureSize.height());
    desk.setColorAt(0, QColor(58, 64, 74));
    desk.setColorAt(1, QColor(30, 33, 39));
    painter.fillRect(QRect(QPoint(0, 0), kAboutPictureSize), desk);

    const QRectF board(12, 12, 136, 219);
    drawBoard(painter, board, 8);
    for (const QPointF hole :
         {QPointF(22, 22), QPointF(138, 22), QPointF(22, 196), QPointF(138, 196)})
        drawMountingHole(painter, hole, 5);

    // Traces first, so that parts and pads cover their ends.
    painter.setPen(QPen(kCopper, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const std::array<qreal, 6> fingers{38, 54, 70, 86, 102, 118};
    for (std::size_t i = 0; i < fingers.size(); ++i) {
        const qreal pinX = 62 + static_cast<qreal>(i) * 7.2;
        const qreal bend = 150 + static_cast<qreal>(i % 3) * 6;
        painter.drawPolyline(QPolygonF{{QPointF(pinX, 110), QPointF(pinX, bend - 12),
                                        QPointF(fingers[i], bend), QPointF(fingers[i], 214)}});
    }
    painter.drawPolyline(QPolygonF{{QPointF(52, 70), QPointF(34, 70), QPointF(34, 48)}});
    painter.drawPolyline(QPolygonF{{QPointF(108, 70), QPointF(126, 70), QPointF(126, 48)}});
    painter.drawPolyline(QPolygonF{{QPointF(80, 46), QPointF(80, 34), QPointF(106, 34)}});
    painter.drawLine(QPointF(52, 86), QPointF(30, 122));
    painter.drawLine(QPointF(108, 86), QPointF(130, 122));

    drawChip(painter, QRectF(56, 50, 48, 48), 6, 5);
    drawPassive(painter, QPointF(34, 44), 18, QColor(210, 190, 150));
    drawPassive(painter, QPointF(126, 44), 18, QColor(210, 190, 150));
    drawPassive(painter, QPointF(112, 34), 16, QColor(120, 90, 60));
    drawPassive(painter, QPointF(30, 128), 18, QColor(70, 110, 160));
    drawPassive(painter, QPointF(130, 128), 18, QColor(70, 110, 160));

    // Edge connector along the bottom.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCopper);
    for (const qreal x : fingers) painter.drawRoundedRect(QRectF(x - 4, 212, 8, 17), 1.5, 1.5);

    if (withLabels) {
        painter.setPen(kSilkscreen);
        QFont silkscreen = painter.font();
        silkscreen.setPixelSize(8);
        silkscreen.setBold(true);
        painter.setFont(silkscreen);
        painter.drawText(QRectF(56, 50, 48, 48), Qt::AlignCenter, QStringLiteral("NR-1"));
        painter.drawText(QRectF(30, 14, 100, 12), Qt::AlignCenter,
                         QStringLiteral("netlist-report"));
    }
    painter.restore();
}

QPixmap AboutPicture() {
    QPixmap pixmap(kAboutPictureSize);
    QPainter painter(&pixmap);
    PaintAboutPicture(painter, true);
    return pixmap;
}

IconShape IconShapeFor(int size) {
    const qreal margin = std::floor(size / 32.0);
    return {QRectF(margin, margin, size - 2 * margin, size - 2 * margin),
            std::max(2.0, size / 16.0), std::max(1.0, size / 64.0)};
}

void PaintIcon(QPainter& painter, int size) {
    // Small icons show only the chip and its nearest parts, so that the chip
    // still reads at 16 pixels; larger ones show the board's whole top square.
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
    PaintAboutPicture(painter, size >= 64);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBoardEdge, shape.edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

QPixmap IconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintIcon(painter, size);
    return pixmap;
}

QIcon NetlistIcon() {
    QIcon icon;
    for (const int size : kIconSizes) icon.addPixmap(IconPixmap(size));
    return icon;
}

}  // namespace netlist
