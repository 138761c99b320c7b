// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/palette.h"

#include <QPalette>

namespace kletochka {

QPalette ClassicPalette() {
    using namespace colors;
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {
        {QPalette::WindowText, clWindowText},
        {QPalette::Button, clBtnFace},
        {QPalette::Light, clBtnHighlight},
        {QPalette::Midlight, cl3DLight},
        {QPalette::Dark, clBtnShadow},
        {QPalette::Mid, clBtnShadow},
        {QPalette::Shadow, cl3DDkShadow},
        {QPalette::Text, clWindowText},
        {QPalette::BrightText, clBtnHighlight},
        {QPalette::ButtonText, clBtnText},
        {QPalette::Base, clWindow},
        {QPalette::Window, clBtnFace},
        {QPalette::Highlight, clHighlight},
        {QPalette::HighlightedText, clHighlightText},
        {QPalette::Link, clHotLight}};
    QPalette palette;
    for (const auto& [role, rgb] : roles) {
        palette.setColor(role, QColor(rgb));
    }
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role, QColor(clGrayText));
    }
    return palette;
}

}  // namespace kletochka
