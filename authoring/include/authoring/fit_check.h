// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "authoring/problem.h"
#include "authoring/record_check.h"

namespace kletochka::authoring {

// Widths in pixels of a text in the window's question line and answer labels.
// Needs a QGuiApplication.
int QuestionPixels(const QString& text);
int AnswerPixels(const QString& text);

// Reports a question or an answer too wide for its place on the screen.
void CheckFit(const PlacedRecord& placed, ProblemList& problems);

}  // namespace kletochka::authoring
