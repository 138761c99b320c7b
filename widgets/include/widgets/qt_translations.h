// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>

namespace kletochka {

// Installs Qt's own translations ("qtbase": the file dialog, the message box's
// buttons) for the locale into the running application; they stay installed
// while the returned translator lives. Null when the system has none for it.
// The game's own texts are not translated.
std::unique_ptr<QTranslator> InstallQtTranslations(const QLocale& locale = QLocale::system());

}  // namespace kletochka
