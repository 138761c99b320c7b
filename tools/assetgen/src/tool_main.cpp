// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool_main.h"

#include <cstdio>
#include <exception>

namespace assetgen {

int runTool(int argc, char** argv, const char* name, const std::function<void(const QDir&)>& make) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", name);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "%s: cannot create %s\n", name, argv[1]);
        return 1;
    }
    try {
        make(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}

}  // namespace assetgen
