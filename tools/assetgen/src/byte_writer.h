// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace assetgen {

// Little-endian field writers for the Windows file headers.
void putU16(QByteArray& out, std::uint16_t value);
void putU32(QByteArray& out, std::uint32_t value);

// Writes the whole file at once; throws std::runtime_error when it cannot.
void writeBytes(const QByteArray& bytes, const QString& path);

}  // namespace assetgen
