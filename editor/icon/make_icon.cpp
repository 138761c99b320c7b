// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the editor's icon: the game's star with a pencil across its lower right; with
// --document, the icon of a question bank file: a sheet with the star on it. An .ico gets
// every size listed, for Windows' resources:
//   make_icon [--document] STAR.png SIZE OUT.png
//   make_icon [--document] STAR.png SIZE,SIZE,... OUT.ico
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QtEndian>
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

// A sheet of paper with its upper right corner folded, the star in its middle.
void DrawDocument(QPainter& painter, const QImage& star, double size) {
    const double left = size * 0.16;
    const double right = size * 0.84;
    const double top = size * 0.04;
    const double bottom = size * 0.96;
    const double fold = size * 0.22;
    painter.setPen(QPen(QColor(90, 90, 100), qMax(1.0, size / 64.0)));
    painter.setBrush(Qt::white);
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.drawPath(sheet);
    painter.setBrush(QColor(215, 215, 225));
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    corner.closeSubpath();
    painter.drawPath(corner);
    const double side = size * 0.56;
    painter.drawImage(QRectF((size - side) / 2, size * 0.34, side, side), star);
}

QImage DrawIcon(const QImage& star, int size, bool document) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (document) {
        DrawDocument(painter, star, size);
    } else {
        painter.drawImage(QRectF(0, 0, size * 0.8, size * 0.8), star);
        DrawPencil(painter, size);
    }
    painter.end();
    return icon;
}

// An .ico whose entries are PNG pictures, which Windows reads in every size since Vista.
bool WriteIco(const QList<QImage>& images, const QString& path) {
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            return false;
        }
        pngs.append(png);
    }
    QByteArray ico;
    auto put16 = [&ico](quint16 value) {
        const quint16 le = qToLittleEndian(value);
        ico.append(reinterpret_cast<const char*>(&le), sizeof le);
    };
    auto put32 = [&ico](quint32 value) {
        const quint32 le = qToLittleEndian(value);
        ico.append(reinterpret_cast<const char*>(&le), sizeof le);
    };
    put16(0);  // reserved
    put16(1);  // an icon, not a cursor
    put16(static_cast<quint16>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // 256 is written as 0: the field is one byte.
        ico.append(static_cast<char>(images[i].width() & 0xff));
        ico.append(static_cast<char>(images[i].height() & 0xff));
        ico.append(char(0));  // no palette
        ico.append(char(0));  // reserved
        put16(1);             // colour planes
        put16(32);            // bits per pixel
        put32(static_cast<quint32>(pngs[i].size()));
        put32(offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        ico.append(png);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool document = !args.isEmpty() && args.first() == QLatin1String("--document");
    if (document) {
        args.removeFirst();
    }
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: make_icon [--document] STAR.png SIZE[,SIZE...] OUT.png|OUT.ico\n");
        return 2;
    }
    const QImage star(args[0]);
    const bool ico = args[2].endsWith(QLatin1String(".ico"));
    QList<int> sizes;
    for (const QString& text : args[1].split(QLatin1Char(','))) {
        const int size = text.toInt();
        if (size < 16 || size > 256) {
            sizes.clear();
            break;
        }
        sizes.append(size);
    }
    if (star.isNull() || sizes.isEmpty() || (!ico && sizes.size() != 1)) {
        std::fprintf(stderr, "make_icon: cannot read %s, or bad sizes %s\n", qPrintable(args[0]),
                     qPrintable(args[1]));
        return 1;
    }
    if (!ico) {
        return DrawIcon(star, sizes.first(), document).save(args[2]) ? 0 : 1;
    }
    QList<QImage> images;
    for (const int size : sizes) {
        images.append(DrawIcon(star, size, document));
    }
    return WriteIco(images, args[2]) ? 0 : 1;
}
