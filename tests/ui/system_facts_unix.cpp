// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_facts.h"

#include <QFile>

#include <cstring>

namespace kletochka::test {

QString SystemMessage(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

const char* FolderAsBankMessage() {
    return "I/O error 21.";
}

bool ImagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

}  // namespace kletochka::test
