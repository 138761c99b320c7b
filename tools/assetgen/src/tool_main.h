// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <functional>

namespace assetgen {

// Shared command line of the generators: one argument, the output folder, created when missing.
int runTool(int argc, char** argv, const char* name, const std::function<void(const QDir&)>& make);

}  // namespace assetgen
