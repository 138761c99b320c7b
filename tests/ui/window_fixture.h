// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <ostream>

#include "fakes.h"
#include "qstring_printing.h"
#include "system_facts.h"
#include "temp_dir.h"
#include "ui/main_window.h"

namespace kletochka::test {

// Every error the application would have shown in its box: "caption|text".
QStringList& ShownErrors();

// Writes a solid bitmap of the given size and colour.
void WriteBitmap(const std::filesystem::path& path, QColor color, QSize size = {40, 40});

// The colours of the cell pictures the fixture's working folder holds.
inline const QColor kEmptyColor{200, 200, 0};
inline const QColor kCrossColor{0, 0, 200};
inline const QColor kZeroColor{200, 0, 0};

// A window made in a fresh working folder that holds "default.qb" (numbered
// questions, see bank_files.h), "click.wav" and the three cell pictures, with
// fake sound and dialog. The executable seems to lie in <folder>/bin.
class WindowTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeCuePlayer* sound = nullptr;  // null with realSound
    FakeFileDialog* dialog = nullptr;
    int terminations = 0;
    QSet<QString> soundsMissing;  // the fake player cannot open these
    bool realSound = false;       // the real player, silent, instead of the fake
    std::unique_ptr<TfrmMAin> window;

    void SetUp() override;
    void TearDown() override;
    // Made on first use, so a test can change the folder before.
    TfrmMAin& Window();
    // The real click, as the host's mouse gives it.
    void Click(QWidget* widget);
    // One tick of TimerStop as the event loop delivers it; the timer must be running.
    void Tick();
    // The colour a cell's picture was loaded in; invalid without a picture.
    QColor CellPictureColor(int n);

  private:
    std::filesystem::path m_oldCwd;
};

}  // namespace kletochka::test
