// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/text_encoding.h"

#include <QByteArrayView>
#include <QString>

#include "widgets/display_text.h"

namespace kletochka::authoring {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}

DecodedText DecodeTableText(std::string_view bytes) {
    if (bytes.starts_with(kBom)) {
        return {std::string(bytes.substr(kBom.size())), TextEncoding::Utf8WithBom};
    }
    if (QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8()) {
        return {std::string(bytes), TextEncoding::Utf8};
    }
    return {DecodeWindows1251(bytes).toStdString(), TextEncoding::Windows1251};
}

std::string EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithBom:
            return "UTF-8 with BOM";
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Windows1251:
            return "Windows-1251";
    }
    return "?";
}

}  // namespace kletochka::authoring
