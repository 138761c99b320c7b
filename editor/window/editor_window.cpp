// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "bank_document.h"
#include "field_edit.h"
#include "preview_pane.h"
#include "question_form.h"
#include "round_boards.h"
#include "window_texts.h"

namespace kletochka::editor {

namespace {

constexpr int kRounds = 7;
constexpr int kCells = 9;

// Where a problem list entry leads: round, cell and field (QuestionForm's index, -1 for none).
constexpr int kRoundRole = Qt::UserRole;
constexpr int kCellRole = Qt::UserRole + 1;
constexpr int kFieldRole = Qt::UserRole + 2;

}  // namespace

EditorWindow::EditorWindow(std::unique_ptr<EditorDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(std::move(dialogs)),
      m_document(std::make_unique<BankDocument>()) {
    setObjectName(QStringLiteral("kletochka-editor"));
    makeLayout();
    makeActions();
    connect(m_boards, &RoundBoards::cellChosen, this, [this] { showCell(); });
    connect(m_form, &QuestionForm::textEdited, this, [this](int index, const QString& text) {
        m_document->setText(m_boards->round(), m_boards->cell(), index, text);
    });
    connect(m_form, &QuestionForm::correctChosen, this, [this](int answer) {
        m_document->setCorrect(m_boards->round(), m_boards->cell(), answer);
    });
    connect(m_document.get(), &BankDocument::recordChanged, this, [this](int round, int cell) {
        if (round != m_boards->round() || cell != m_boards->cell()) {
            // Undo shows the change it takes back.
            m_boards->choose(round, cell);
        }
        showCell();
    });
    connect(m_document.get(), &BankDocument::problemsChanged, this, &EditorWindow::showProblems);
    connect(m_document->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(m_problems, &QListWidget::itemActivated, this, &EditorWindow::jumpToProblem);
    newBank();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::makeLayout() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);

    m_boards = new RoundBoards(central);
    column->addWidget(m_boards);

    auto* middle = new QHBoxLayout;
    auto* question = new QGroupBox(tr("Question of the chosen cell"), central);
    auto* questionLayout = new QVBoxLayout(question);
    m_form = new QuestionForm(question);
    questionLayout->addWidget(m_form);
    middle->addWidget(question, 3);

    auto* problems = new QGroupBox(tr("Problems"), central);
    auto* problemsLayout = new QVBoxLayout(problems);
    m_problems = new QListWidget(problems);
    m_problems->setAccessibleName(tr("Problems"));
    m_problems->setToolTip(tr("Double-click or press Enter to go to the field"));
    problemsLayout->addWidget(m_problems);
    middle->addWidget(problems, 2);
    column->addLayout(middle, 1);

    auto* previewBox = new QGroupBox(tr("What the class sees"), central);
    auto* previewLayout = new QVBoxLayout(previewBox);
    auto* scroll = new QScrollArea(previewBox);
    m_preview = new PreviewPane;
    scroll->setWidget(m_preview);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(m_preview->height() + 4);
    scroll->setFocusPolicy(Qt::NoFocus);
    previewLayout->addWidget(scroll);
    column->addWidget(previewBox);

    setCentralWidget(central);
    setTabOrder(m_form->field(0), m_form->field(1));
    setTabOrder(m_form->field(1), m_form->field(2));
    setTabOrder(m_form->field(2), m_form->field(3));
    setTabOrder(m_form->field(3), m_form->answerButton(1));
    setTabOrder(m_form->answerButton(1), m_problems);
    statusBar();
}

void EditorWindow::makeActions() {
    makeFileMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = m_document->undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_document->undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* go = menuBar()->addMenu(tr("&Go"));
    QAction* next = go->addAction(tr("&Next cell"), this, [this] { stepCell(1); });
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    QAction* previous = go->addAction(tr("&Previous cell"), this, [this] { stepCell(-1); });
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    go->addSeparator();
    for (int round = 1; round <= kRounds; ++round) {
        QAction* action = go->addAction(tr("Round &%1").arg(round), this,
                                        [this, round] { chooseCell(round, m_boards->cell()); });
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + round)));
    }
}

void EditorWindow::chooseCell(int round, int cell) {
    m_boards->choose(round, cell);
    showCell();
}

void EditorWindow::stepCell(int step) {
    const int index = (m_boards->round() - 1) * kCells + (m_boards->cell() - 1) + step;
    if (index < 0 || index >= kRounds * kCells) {
        return;
    }
    chooseCell(index / kCells + 1, index % kCells + 1);
}

void EditorWindow::showCell() {
    const int round = m_boards->round();
    const int cell = m_boards->cell();
    for (int i = 0; i < QuestionForm::kTexts; ++i) {
        const QString text = m_document->text(round, cell, i);
        m_form->showText(i, text);
        m_preview->showText(i, text);
    }
    m_form->showCorrect(m_document->correct(round, cell));
    statusBar()->showMessage(tr("Round %1, cell %2").arg(round).arg(CellLetter(cell)));
}

void EditorWindow::showProblems() {
    m_problems->clear();
    for (const auto& problem : m_document->problems()) {
        auto* item = new QListWidgetItem(problem.text, m_problems);
        item->setData(kRoundRole, problem.round);
        item->setData(kCellRole, problem.cell);
        item->setData(kFieldRole, problem.field);
    }
    for (int round = 1; round <= kRounds; ++round) {
        for (int cell = 1; cell <= kCells; ++cell) {
            const QStringList found = m_document->cellProblems(round, cell);
            const bool filled = m_document->isFilled(round, cell);
            const CellState state = !found.isEmpty() ? CellState::Problem
                                    : filled         ? CellState::Filled
                                                     : CellState::Empty;
            QString summary = filled ? tr("Filled") : tr("Not filled");
            if (!found.isEmpty()) {
                summary += QLatin1Char('\n') + found.join(QLatin1Char('\n'));
            }
            m_boards->setState(round, cell, state, summary);
        }
    }
}

void EditorWindow::jumpToProblem(QListWidgetItem* item) {
    const int round = item->data(kRoundRole).toInt();
    const int cell = item->data(kCellRole).toInt();
    if (round < 1 || round > kRounds) {
        return;
    }
    chooseCell(round, cell >= 1 && cell <= kCells ? cell : 1);
    const int field = item->data(kFieldRole).toInt();
    m_form->focusOn(field >= 0 ? field : 0);
}

void EditorWindow::showTitle() {
    // The application adds its own name, "Question editor", after the bank's.
    setWindowTitle(m_name + QStringLiteral("[*]"));
    setWindowModified(!m_document->undoStack()->isClean());
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (settleUnsaved()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace kletochka::editor
