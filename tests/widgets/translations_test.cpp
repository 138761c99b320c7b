// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own words in the user's language.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>

#include "qstring_printing.h"
#include "widgets/qt_translations.h"

namespace kletochka {
namespace {

// The words Qt's open-bank dialog shows beside the game's own filter.
QStringList DialogWords() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList words;
    for (auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                       QFileDialog::Accept, QFileDialog::Reject}) {
        words << dialog.labelText(label);
    }
    return words;
}

TEST(QtTranslations, RussianLocaleGivesTheFileDialogRussianWordsUntilDropped) {
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm";
    if (!QFileInfo::exists(catalogue)) {
        GTEST_SKIP() << "Qt's Russian translations are not installed (" << catalogue.toStdString()
                     << "; Debian package qt6-translations-l10n)";
    }
    const QStringList english = DialogWords();
    ASSERT_EQ(english.first(), "Look in:") << "the tests run without Qt's translations";
    auto translations = InstallQtTranslations(QLocale(QLocale::Russian, QLocale::Russia));
    ASSERT_NE(translations, nullptr);
    const QStringList russian = DialogWords();
    for (int i = 0; i < english.size(); ++i) {
        EXPECT_NE(russian[i], english[i]);
    }
    EXPECT_EQ(russian.first(), "Перейти к:");
    translations.reset();
    EXPECT_EQ(DialogWords(), english);
}

TEST(QtTranslations, ALanguageQtDoesNotSpeakLoadsNothing) {
    EXPECT_EQ(InstallQtTranslations(QLocale(QLocale::Esperanto)), nullptr);
}

}  // namespace
}  // namespace kletochka
