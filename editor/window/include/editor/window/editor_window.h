// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "editor/document_files.h"
#include "editor/window/editor_dialogs.h"
#include "editor/window/settings_place.h"

class QGroupBox;
class QLabel;
class QListView;
class QMenu;
class QPrinter;
class QModelIndex;

namespace kletochka::editor {

class BankDocument;
class CellModel;
class PreviewPane;
class ProblemModel;
class QuestionForm;
class RoundBoards;

// The question editor's window: the seven boards, the chosen cell's fields,
// the preview as the class sees it and the list of problems.
class EditorWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit EditorWindow(std::unique_ptr<EditorDialogs> dialogs, SettingsPlace settings = {},
                          QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Opens a .qb bank or a .csv table; on failure shows why and keeps the open bank.
    bool openFile(const QString& path);
    void chooseCell(int round, int cell);

    BankDocument& document() { return *m_document; }
    RoundBoards* boards() const { return m_boards; }
    QuestionForm* form() const { return m_form; }
    PreviewPane* preview() const { return m_preview; }
    QListView* problemList() const { return m_problemList; }
    // The line of a table the chosen problem is on, as the table has it.
    QLabel* problemDetail() const { return m_problemDetail; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the window looks whether the bank's file changed meanwhile.
    void changeEvent(QEvent* event) override;

  private:
    void makeActions();
    void makeFileMenu();
    void makeLayout();

    void showCell();
    void showCellStates();
    void showTitle();
    void jumpToProblem(const QModelIndex& index);
    void showProblemDetail(const QModelIndex& index);
    // Names the table whose mistakes the list shows, if it does.
    void showProblemsTitle();
    void stepCell(int step);

    // Asks about unsaved changes; true when the bank may be replaced or closed.
    bool settleUnsaved();
    void newBank();
    void open();
    bool save();
    bool saveAs();
    // Where to save the bank; empty when the person cancelled.
    QString askSavePath();
    bool saveTo(const QString& path, SaveConsent consent = {});
    // Writes the bank to path; a changed or read-only file asks first.
    bool writeTo(const QString& path, SaveConsent consent);
    // Runs write(consent) until it succeeds (nothing) or the person answers a
    // question otherwise than Overwrite (that answer; Cancel after an error, shown).
    template <typename Write>
    std::optional<EditorDialogs::FileChoice> writeAsking(Write&& write, SaveConsent consent = {});
    // Tells of a change to the bank's file on disk, once, and does what the person chooses.
    void checkDisk();
    bool reloadFromDisk();
    // Says what became of a bank file longer or shorter than a bank, or which
    // texts of a table to check, if any.
    void tellAboutFile();
    // The folder and name a file dialog starts from, with the given extension.
    QString suggestedFile(const QString& extension) const;
    // The kinds of table a teacher may export: a workbook keeps every text as typed.
    enum class TableKind { Workbook, Utf8Csv, ExcelCsv };
    void exportTable(TableKind kind);
    void printSheet();
    void saveSheetPdf();
    void printSheetOn(QPrinter& printer);
    void rememberRecent(const QString& path);
    void showRecent();
    // Runs an action that may fail; shows its message and returns false when it does.
    template <typename Action>
    bool guarded(Action&& action);

    std::unique_ptr<EditorDialogs> m_dialogs;
    SettingsPlace m_settings;
    std::unique_ptr<BankDocument> m_document;
    CellModel* m_cells = nullptr;
    ProblemModel* m_problems = nullptr;
    RoundBoards* m_boards = nullptr;
    QuestionForm* m_form = nullptr;
    PreviewPane* m_preview = nullptr;
    QGroupBox* m_problemsBox = nullptr;
    QListView* m_problemList = nullptr;
    QLabel* m_problemDetail = nullptr;
    QMenu* m_recentMenu = nullptr;
    bool m_checkingDisk = false;
    bool m_saveChosen = false;  // saving because the person answered Save to a question
};

}  // namespace kletochka::editor
