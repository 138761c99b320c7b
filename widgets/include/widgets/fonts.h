// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kletochka {

// A font of the window's layout: the face and a character height in layout pixels.
QFont LayoutFont(const char* family, int pixelHeight, bool bold);
inline QFont ArialFont(int pixelHeight, bool bold) {
    return LayoutFont("Arial", pixelHeight, bold);
}

// The question line and the answer labels, and the room each has on screen.
inline QFont QuestionFont() {
    return ArialFont(32, true);
}
inline QFont AnswerFont() {
    return ArialFont(32, false);
}
inline constexpr int kQuestionWidth = 1017;
inline constexpr int kAnswerWidth = 273;

}  // namespace kletochka
