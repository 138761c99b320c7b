// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/display_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kletochka {

namespace {
constexpr const char* kCodePage = "windows-1251";
}

QString DecodeWindows1251(std::string_view bytes) {
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString DisplayText(const ShortString& field) {
    return DecodeWindows1251(field.view());
}

std::optional<std::string> EncodeWindows1251(const QString& text) {
    // Stateless: a high surrogate at the end is an error, not half a character kept for later.
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace kletochka
