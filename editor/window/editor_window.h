// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

#include "editor_dialogs.h"

class QListWidget;
class QListWidgetItem;
class QMenu;

namespace kletochka::editor {

class BankDocument;
class PreviewPane;
class QuestionForm;
class RoundBoards;

// The question editor's window: the seven boards, the chosen cell's fields,
// the preview as the class sees it and the list of problems.
class EditorWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit EditorWindow(std::unique_ptr<EditorDialogs> dialogs, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Opens a .qb bank or a .csv table; on failure shows why and keeps the open bank.
    bool openFile(const QString& path);
    void chooseCell(int round, int cell);

    BankDocument& document() { return *m_document; }
    RoundBoards* boards() const { return m_boards; }
    QuestionForm* form() const { return m_form; }
    PreviewPane* preview() const { return m_preview; }
    QListWidget* problemList() const { return m_problems; }
    // Where Save writes without asking; empty for a new bank or one read from a table.
    QString filePath() const { return m_path; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void makeActions();
    void makeFileMenu();
    void makeLayout();

    void showCell();
    void showProblems();
    void showTitle();
    void jumpToProblem(QListWidgetItem* item);
    void stepCell(int step);

    // Asks about unsaved changes; true when the bank may be replaced or closed.
    bool settleUnsaved();
    void newBank();
    void open();
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    void exportTable(bool forExcel);
    void printSheet();
    void saveSheetPdf();
    void rememberRecent(const QString& path);
    void showRecent();
    // Runs an action that may fail; shows its message and returns false when it does.
    template <typename Action>
    bool guarded(Action&& action);

    std::unique_ptr<EditorDialogs> m_dialogs;
    std::unique_ptr<BankDocument> m_document;
    RoundBoards* m_boards = nullptr;
    QuestionForm* m_form = nullptr;
    PreviewPane* m_preview = nullptr;
    QListWidget* m_problems = nullptr;
    QMenu* m_recentMenu = nullptr;
    QString m_path;
    QString m_name;
};

}  // namespace kletochka::editor
