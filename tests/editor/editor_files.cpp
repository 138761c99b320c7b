// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_files.h"

#include <QDir>
#include <QFile>

#include "bank_files.h"
#include "tables.h"
#include "widgets/file_path.h"

namespace kletochka::test {

QString QtPath(const std::filesystem::path& path) {
    return QDir::fromNativeSeparators(FromStdPath(path));
}

QuestionBank::Records RussianRecords() {
    QuestionBank::Records records{};
    for (int i = 1; i <= QuestionBank::kRecords; ++i) {
        QuestionRecord& r = records[static_cast<std::size_t>(i - 1)];
        const std::string n = std::to_string(i);
        r.question.assign(Cp1251("Сколько стоит " + n + "? \"в кавычках\", с запятой; и €"));
        r.answerA.assign(Cp1251("Ёж " + n));
        r.answerB.assign(Cp1251(" пробел " + n + " "));
        r.answerC.assign(Cp1251("Щ" + n));
        r.setCorrect(NumberedRight(i));
    }
    return records;
}

}  // namespace kletochka::test
