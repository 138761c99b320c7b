// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kletochka::test {

// What the window's files meet that each system words or does its own way.

// The system's words for errno err in the language the tests run under, as a
// box shows them for a file that cannot be opened, without a final full stop.
QString SystemMessage(int err);

// The box's text for a folder chosen as a question bank: Linux opens the folder and
// fails reading it; Windows refuses to open it at all.
const char* FolderAsBankMessage();

// Whether any of Qt's image format plugins is loaded into this process.
bool ImagePluginLoaded();

}  // namespace kletochka::test
