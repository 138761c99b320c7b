// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_bank.h"

#include <QString>
#include <fstream>
#include <stdexcept>

#include "display_text.h"

namespace kletochka::bench {

namespace {

void Fill(ShortString& field, const QString& head) {
    QString text = head;
    while (text.size() < static_cast<qsizetype>(ShortString::kCapacity)) {
        text += QStringLiteral(" ёжик");
    }
    text.truncate(ShortString::kCapacity);
    field.assign(EncodeWindows1251(text).value());
}

}  // namespace

QuestionBank::Records FullRecords() {
    QuestionBank::Records records{};
    for (int i = 0; i < QuestionBank::kRecords; ++i) {
        QuestionRecord& record = records[static_cast<std::size_t>(i)];
        Fill(record.question, QStringLiteral("Вопрос %1: длинный, во всю строку").arg(i + 1));
        Fill(record.answerA, QStringLiteral("Ответ А%1").arg(i + 1));
        Fill(record.answerB, QStringLiteral("Ответ Б%1").arg(i + 1));
        Fill(record.answerC, QStringLiteral("Ответ В%1").arg(i + 1));
        record.setCorrect(1 + i % 3);
    }
    return records;
}

void WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(records.data()), sizeof(records));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace kletochka::bench
