// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "byte_writer.h"

#include <QFile>
#include <stdexcept>

namespace assetgen {

void putU16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void putU32(QByteArray& out, std::uint32_t value) {
    putU16(out, static_cast<std::uint16_t>(value & 0xffff));
    putU16(out, static_cast<std::uint16_t>(value >> 16));
}

void writeBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

}  // namespace assetgen
