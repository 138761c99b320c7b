// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the four button pictures and the program icon into the folder given as the argument.
#include "bmp_file.h"
#include "ico_file.h"
#include "pictures.h"
#include "tool_main.h"

#include <QDir>
#include <stdexcept>

namespace {

void savePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void makeAll(const QDir& out) {
    using namespace assetgen;
    writeBmp24(crossesGlyph(), out.filePath("crosses.bmp"));
    writeBmp24(noughtsGlyph(), out.filePath("noughts.bmp"));
    writeBmp24(stopGlyph(), out.filePath("stop.bmp"));
    writeBmp24(folderGlyph(), out.filePath("folder.bmp"));
    writeIco24(starIcon(32), out.filePath("mainicon.ico"));
    savePng(starIcon(32), out.filePath("mainicon.png"));
    for (const int side : {48, 64, 128, 256}) {
        savePng(starIcon(side), out.filePath(QString("mainicon-%1.png").arg(side)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    return assetgen::runTool(argc, argv, "make-glyphs", makeAll);
}
