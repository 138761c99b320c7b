// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game, built for the start-up benchmark: the same window, libraries and
// assets as the shipped program, ending after its first paint.
#include "app/run_game.h"
#include "first_paint_quit.h"

int main(int argc, char* argv[]) {
    return kletochka::RunGame(argc, argv, kletochka::bench::QuitAfterFirstPaint);
}
