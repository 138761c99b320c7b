// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the runtime sounds and cell pictures into the folder given as the argument.
#include "bmp_file.h"
#include "cues.h"
#include "pictures.h"
#include "tool_main.h"
#include "wav_file.h"

#include <cstdio>

namespace {

// A cue counts as sounding from the first sample above -40 dBFS.
constexpr float kAudible = 0.01F;

void writeCue(const assetgen::Samples& cue, const QDir& out, const char* name) {
    assetgen::writeWav16(cue, out.filePath(name));
    std::printf("%-10s %6.0f ms  peak %5.2f dBFS  sounding from sample %ld\n", name,
                1000.0 * static_cast<double>(cue.size()) / assetgen::kSampleRate,
                assetgen::peakDbfs(cue), assetgen::firstLoudSample(cue, kAudible));
}

void makeAll(const QDir& out) {
    using namespace assetgen;
    writeCue(clickCue(), out, "click.wav");
    writeCue(goodCue(), out, "good.wav");
    writeCue(badCue(), out, "bad.wav");
    writeCue(tadaCue(), out, "tada.wav");
    writeBmp24(emptyCellMark(), out.filePath("empty.bmp"));
    writeBmp24(crossCellMark(), out.filePath("cross.bmp"));
    writeBmp24(noughtCellMark(), out.filePath("zero.bmp"));
}

}  // namespace

int main(int argc, char** argv) {
    return assetgen::runTool(argc, argv, "make-cues", makeAll);
}
