// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <chrono>
#include <functional>

#include "bank/question_bank.h"
#include "editor/document_files.h"
#include "editor/field.h"
#include "editor/live_problems.h"

namespace kletochka::editor {

// The question bank in the editor: its 63 records exactly as a bank file holds
// them, the file it came from, its changes as undoable commands, and its
// problems kept up to date. Rounds are 1..7 and cells 1..9 throughout.
//
// A new bank is all zero bytes, as the game's bank is before it loads one:
// every text empty and no right answer chosen (0), so that a question not yet
// written can never be taken for a finished one; the problems say so.
class BankDocument : public QObject {
    Q_OBJECT

  public:
    explicit BankDocument(QObject* parent = nullptr);

    const QuestionBank::Records& records() const { return m_records; }
    const QuestionRecord& record(int round, int cell) const;
    // The text as the game shows it; nothing for Correct.
    QString text(int round, int cell, Field field) const;
    // 1, 2, 3 for A, B, C; anything else (0 in a new bank) means none.
    int correct(int round, int cell) const;

    // Each change is one undoable command; consecutive typing in the same field
    // is undone a word at a time (a word with the spaces and signs after it), and
    // a pause or an undo or redo ends a step too. A text the field cannot hold
    // (see MeasureText) is refused: false, and nothing changes. Setting what is
    // there already does nothing.
    bool setText(int round, int cell, Field field, const QString& text);
    void setCorrect(int round, int cell, int correct);
    // Ends a run of typing (the field lost focus): the next change stands apart.
    void endTyping();
    // Typing after this long a pause is a step of its own.
    static constexpr std::chrono::milliseconds kTypingPause{1500};
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // What tells the pauses; the steady clock unless a test steps its own.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    QUndoStack* undoStack() { return &m_undo; }
    // Changed since it was opened or saved; a bank made from a table is, until saved.
    bool isModified() const;
    // The bank file; empty for a new bank or one made from a table.
    const QString& filePath() const { return m_path; }
    // Where Save As starts: the bank file, or a table's name ending in .qb instead.
    const QString& suggestedPath() const { return m_suggested; }
    // The table the bank was made from, until it is saved as a bank; empty otherwise.
    const QString& tablePath() const { return m_table; }
    // What the editor made of a bank file longer or shorter than a bank, in the
    // teacher's words; empty when the file is a bank's length. Saving over such a
    // file asks first.
    QString fileLengthNotice() const;
    // What the teacher should check in the table just opened: texts that look
    // changed by a spreadsheet. Empty otherwise.
    const QString& tableNotice() const { return m_tableNotice; }

    // An empty bank in place of this one.
    void newBank();
    // A table when the name ends in .xlsx or .csv, a bank otherwise. On failure throws
    // OpenError and the document stays exactly as it was.
    void open(const QString& path);
    void openBank(const QString& path);
    void openTable(const QString& path);
    // Writes the bank to its file (an Error without one) or to path, all or
    // nothing; on success the bank is unmodified and path is its file. Its own
    // file changed on disk since, a read-only file, or its own file longer or
    // shorter than a bank, is a SaveQuestion unless consent answers it.
    void save(SaveConsent consent = {});
    void saveAs(const QString& path, SaveConsent consent = {});

    // The bank as a spreadsheet table: an .xlsx workbook when path ends so, else
    // CSV, UTF-8 with "," or Windows-1251 with ";".
    void exportTable(const QString& path, authoring::TableFlavour flavour,
                     SaveConsent consent = {}) const;

    enum class DiskChange { None, Changed, Gone };
    // The file now against what was last opened or saved; None without a file.
    DiskChange diskChange() const;
    // diskChange(), but each change only once: None again until the file changes anew.
    DiskChange takeDiskChange();
    // The file read again as it is now; on failure throws OpenError and keeps the bank.
    void reload();

    // The host's printable sheet, the same as qbtool sheet writes.
    QString hostSheet(const QString& title) const;

    const LiveProblems& problems() const { return m_problems; }

  signals:
    void textChanged(int round, int cell, kletochka::editor::Field field);
    void correctChanged(int round, int cell);
    // All 63 questions were replaced: a new bank or an opened file.
    void bankReset();
    // After every change, once problems() is up to date.
    void problemsChanged();
    void modifiedChanged(bool modified);
    void filePathChanged(const QString& path);

  private:
    // Its undo commands, defined beside its implementation.
    class SetTextCommand;
    class SetCorrectCommand;

    // What the undo commands call: store, recheck, tell the views.
    void storeText(int round, int cell, Field field, const ShortString& text);
    void storeCorrect(int round, int cell, int correct);
    void replaceAll(const QuestionBank::Records& records, const QString& path,
                    const QString& suggested, const QString& table = {});
    void setPath(const QString& path);
    void updateModified();
    // path names the bank's own file, however it is spelt.
    bool isOwnFile(const QString& path) const;

    QuestionBank::Records m_records{};
    std::uintmax_t m_fileSize = QuestionBank::kFileSize;  // of the file as opened
    QString m_path;
    QString m_suggested;
    QString m_table;  // made from this table and not saved as a bank yet
    QString m_tableNotice;
    authoring::FileStamp m_stamp;  // the file as last opened or saved
    authoring::FileStamp m_told;   // the last change takeDiskChange() gave
    bool m_modified = false;
    int m_typingRun = 0;       // commands of one run of typing share it
    bool m_wordEnded = false;  // the run's last edit put a space or sign after a word
    bool m_pushing = false;    // the undo stack moves because of our own push
    Clock m_clock = [] { return std::chrono::steady_clock::now(); };
    std::chrono::steady_clock::time_point m_lastTyped;
    QUndoStack m_undo;
    LiveProblems m_problems;
};

}  // namespace kletochka::editor
