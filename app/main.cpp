// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run_game.h"

int main(int argc, char* argv[]) {
    return kletochka::RunGame(argc, argv);
}
