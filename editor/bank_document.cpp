// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/bank_document.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "authoring/host_sheet.h"
#include "authoring/table_columns.h"
#include "document_commands.h"
#include "editor/text_limit.h"
#include "widgets/display_text.h"

namespace kletochka::editor {

namespace {

std::size_t Slot(int round, int cell) {
    return static_cast<std::size_t>(authoring::RecordNumber(round, cell) - 1);
}

// The bank a table becomes is proposed beside it, under the same name.
QString BankNameFor(const QString& table) {
    const QFileInfo info(table);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".qb"));
}

// Where a name leads, links resolved, so that two spellings of one file compare
// equal even after the file is gone.
QString Place(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        return info.canonicalFilePath();
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

}  // namespace

BankDocument::BankDocument(QObject* parent) : QObject(parent) {
    connect(&m_undo, &QUndoStack::cleanChanged, this, &BankDocument::updateModified);
    // Typing after an undo or a redo never merges into the command it brought back.
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] {
        if (!m_pushing) {
            endTyping();
        }
    });
    m_problems.recheckAll(m_records);
}

const QuestionRecord& BankDocument::record(int round, int cell) const {
    return m_records.at(Slot(round, cell));
}

QString BankDocument::text(int round, int cell, Field field) const {
    return field == Field::Correct ? QString() : DisplayText(TextIn(record(round, cell), field));
}

int BankDocument::correct(int round, int cell) const {
    return record(round, cell).correct();
}

QString BankDocument::fileLengthNotice() const {
    return m_path.isEmpty() ? QString() : FileLengthNotice(m_path, m_fileSize);
}

bool BankDocument::setText(int round, int cell, Field field, const QString& text) {
    if (field == Field::Correct || !MeasureText(text).fits()) {
        return false;
    }
    const ShortString& before = TextIn(record(round, cell), field);
    if (DisplayText(before) == text) {
        return true;
    }
    const QString old = DisplayText(before);
    const auto now = m_clock();
    if (now - m_lastTyped > kTypingPause) {
        endTyping();
    }
    m_lastTyped = now;
    // What this edit put in: text, less what it kept of old at either end.
    const qsizetype shorter = std::min(old.size(), text.size());
    qsizetype head = 0;
    while (head < shorter && old.at(head) == text.at(head)) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head &&
           old.at(old.size() - 1 - tail) == text.at(text.size() - 1 - tail)) {
        ++tail;
    }
    const QStringView added = QStringView(text).mid(head, text.size() - head - tail);
    const auto isWordChar = [](QChar c) { return c.isLetterOrNumber(); };
    // A new word after a space or sign that ended the one before starts a new step.
    if (m_wordEnded && !added.isEmpty() && isWordChar(added.front())) {
        endTyping();
    }
    const qsizetype end = head + added.size();
    m_wordEnded = !added.isEmpty() && !isWordChar(text.at(end - 1)) &&
                  std::any_of(text.begin(), text.begin() + end, isWordChar);
    ShortString after;
    after.assign(*EncodeWindows1251(text));
    const int run = m_typingRun;
    m_pushing = true;
    m_undo.push(new SetTextCommand(*this, round, cell, field, before, after, run));
    m_pushing = false;
    return true;
}

void BankDocument::setCorrect(int round, int cell, int correct) {
    const std::int32_t before = record(round, cell).correct();
    if (before != correct) {
        m_undo.push(new SetCorrectCommand(*this, round, cell, before, correct));
    }
    endTyping();
}

void BankDocument::endTyping() {
    ++m_typingRun;
    m_wordEnded = false;
}

bool BankDocument::isModified() const {
    return m_modified;
}

void BankDocument::newBank() {
    m_tableNotice.clear();
    m_problems.setFileProblems({});
    replaceAll({}, {}, {});
}

void BankDocument::open(const QString& path) {
    if (IsTableName(path)) {
        openTable(path);
    } else {
        openBank(path);
    }
}

void BankDocument::openBank(const QString& path) {
    // Stamped before reading: a change in between shows as a change, never the other way.
    const authoring::FileStamp stamp = StampOf(path);
    const authoring::BankFile file = SalvageBankFile(path);
    m_tableNotice.clear();
    m_problems.setFileProblems(FileProblems(file.size));
    replaceAll(file.records, path, path);
    m_fileSize = file.size;
    m_stamp = m_told = stamp;
}

void BankDocument::openTable(const QString& path) {
    const TableFile table = ReadTableFile(path);
    m_tableNotice = RewrittenNotice(path, table.warnings);
    m_problems.setFileProblems(table.warnings);
    replaceAll(table.records, {}, BankNameFor(path), path);
}

void BankDocument::save(SaveConsent consent) {
    if (m_path.isEmpty()) {
        throw Error(tr("The bank has no file yet: save it under a name first.").toStdString());
    }
    saveAs(m_path, consent);
}

void BankDocument::saveAs(const QString& path, SaveConsent consent) {
    authoring::WriteOptions options;
    options.overReadOnly = consent.overReadOnly;
    const bool ownFile = isOwnFile(path);
    if (ownFile && m_fileSize != QuestionBank::kFileSize && !consent.overWrongLength) {
        throw SaveQuestion(SaveQuestion::Kind::Length, FileLengthQuestion(path, m_fileSize));
    }
    if (!consent.overwriteChanged && ownFile) {
        options.unchangedSince = m_stamp;
    }
    authoring::FileStamp stamp;
    try {
        stamp = WriteBankFile(path, m_records, options);
    } catch (const SaveQuestion& question) {
        // Asking about the change tells of it: coming back to the window need not again.
        if (question.kind() == SaveQuestion::Kind::Changed ||
            question.kind() == SaveQuestion::Kind::Gone) {
            m_told = StampOf(m_path);
        }
        throw;
    }
    m_stamp = m_told = stamp;
    m_fileSize = QuestionBank::kFileSize;
    // The file now holds the 63 records and nothing after them.
    m_problems.setFileProblems({});
    emit problemsChanged();
    m_table.clear();
    m_suggested = path;
    endTyping();
    setPath(path);
    m_undo.setClean();
    updateModified();
}

void BankDocument::exportTable(const QString& path, authoring::TableFlavour flavour,
                               SaveConsent consent) const {
    authoring::WriteOptions options;
    options.overReadOnly = consent.overReadOnly;
    WriteTableFile(path, m_records, flavour, options);
}

BankDocument::DiskChange BankDocument::diskChange() const {
    if (m_path.isEmpty()) {
        return DiskChange::None;
    }
    const authoring::FileStamp now = StampOf(m_path);
    if (now == m_stamp) {
        return DiskChange::None;
    }
    return now.exists ? DiskChange::Changed : DiskChange::Gone;
}

BankDocument::DiskChange BankDocument::takeDiskChange() {
    if (m_path.isEmpty()) {
        return DiskChange::None;
    }
    const authoring::FileStamp now = StampOf(m_path);
    if (now == m_stamp || now == m_told) {
        return DiskChange::None;
    }
    m_told = now;
    return now.exists ? DiskChange::Changed : DiskChange::Gone;
}

void BankDocument::reload() {
    const QString path = m_path;
    openBank(path);
}

QString BankDocument::hostSheet(const QString& title) const {
    return QString::fromStdString(authoring::HostSheet(m_records, title.toStdString()));
}

void BankDocument::storeText(int round, int cell, Field field, const ShortString& text) {
    TextIn(m_records[Slot(round, cell)], field) = text;
    m_problems.recheckRecord(m_records, round, cell);
    emit textChanged(round, cell, field);
    emit problemsChanged();
}

void BankDocument::storeCorrect(int round, int cell, int correct) {
    m_records[Slot(round, cell)].setCorrect(correct);
    m_problems.recheckRecord(m_records, round, cell);
    emit correctChanged(round, cell);
    emit problemsChanged();
}

void BankDocument::replaceAll(const QuestionBank::Records& records, const QString& path,
                              const QString& suggested, const QString& table) {
    m_records = records;
    m_fileSize = QuestionBank::kFileSize;
    m_suggested = suggested;
    m_table = table;
    endTyping();
    m_undo.clear();
    m_problems.recheckAll(m_records);
    setPath(path);
    emit bankReset();
    emit problemsChanged();
    updateModified();
}

void BankDocument::setPath(const QString& path) {
    if (m_path != path) {
        m_path = path;
        emit filePathChanged(m_path);
    }
}

bool BankDocument::isOwnFile(const QString& path) const {
    return !m_path.isEmpty() && Place(path) == Place(m_path);
}

void BankDocument::updateModified() {
    const bool modified = !m_table.isEmpty() || !m_undo.isClean();
    if (modified != m_modified) {
        m_modified = modified;
        emit modifiedChanged(m_modified);
    }
}

}  // namespace kletochka::editor
