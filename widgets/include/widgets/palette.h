// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Every colour of the window in one place. The system colours take the values
// of the classic unthemed desktop scheme, so the game looks the same everywhere.
namespace kletochka::colors {

inline constexpr QRgb clBtnFace = qRgb(212, 208, 200);
inline constexpr QRgb clBtnText = qRgb(0, 0, 0);
inline constexpr QRgb clBtnHighlight = qRgb(255, 255, 255);
inline constexpr QRgb clBtnShadow = qRgb(128, 128, 128);
inline constexpr QRgb cl3DDkShadow = qRgb(64, 64, 64);
inline constexpr QRgb cl3DLight = qRgb(212, 208, 200);
inline constexpr QRgb clGrayText = qRgb(128, 128, 128);
inline constexpr QRgb clWindow = qRgb(255, 255, 255);
inline constexpr QRgb clWindowText = qRgb(0, 0, 0);
inline constexpr QRgb clHighlight = qRgb(10, 36, 106);
inline constexpr QRgb clHighlightText = qRgb(255, 255, 255);
inline constexpr QRgb clGradientActiveCaption = qRgb(166, 202, 240);
inline constexpr QRgb clHotLight = qRgb(0, 102, 204);
inline constexpr QRgb clBackground = qRgb(58, 110, 165);

inline constexpr QRgb clNavy = qRgb(0, 0, 128);
inline constexpr QRgb clRed = qRgb(255, 0, 0);
inline constexpr QRgb clLime = qRgb(0, 255, 0);
inline constexpr QRgb clBlack = qRgb(0, 0, 0);

}  // namespace kletochka::colors

class QPalette;

namespace kletochka {
// The application palette built from the classic scheme above.
QPalette ClassicPalette();
}  // namespace kletochka
