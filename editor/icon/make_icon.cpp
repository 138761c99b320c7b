// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the editor's icon: the game's star with a pencil across its lower right.
//   make_icon STAR.png SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

void DrawPencil(QPainter& painter, double size) {
    painter.save();
    painter.translate(size * 0.62, size * 0.66);
    painter.rotate(-45);
    painter.scale(size / 256.0, size / 256.0);
    // The pencil lies along the x axis, its point at the left.
    const QColor outline(60, 40, 20);
    painter.setPen(QPen(outline, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath wood;
    wood.moveTo(-110, 0);
    wood.lineTo(-60, -24);
    wood.lineTo(-60, 24);
    wood.closeSubpath();
    painter.setBrush(QColor(240, 205, 150));
    painter.drawPath(wood);
    painter.setBrush(QColor(40, 40, 40));
    QPainterPath lead;
    lead.moveTo(-110, 0);
    lead.lineTo(-92, -9);
    lead.lineTo(-92, 9);
    lead.closeSubpath();
    painter.drawPath(lead);
    painter.setBrush(QColor(30, 90, 200));
    painter.drawRect(QRectF(-60, -24, 130, 48));
    painter.setBrush(QColor(190, 190, 200));
    painter.drawRect(QRectF(70, -24, 18, 48));
    painter.setBrush(QColor(235, 120, 140));
    painter.drawRoundedRect(QRectF(88, -24, 26, 48), 10, 10);
    painter.restore();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icon STAR.png SIZE OUT.png\n");
        return 2;
    }
    const QImage star(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLatin1(argv[2]).toInt();
    if (star.isNull() || size < 16) {
        std::fprintf(stderr, "make_icon: cannot read %s or bad size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, size * 0.8, size * 0.8), star);
    DrawPencil(painter, size);
    painter.end();
    return icon.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
