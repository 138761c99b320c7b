// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/window/editor_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "editor/bank_document.h"
#include "editor/cell_model.h"
#include "editor/problem_model.h"
#include "editor/window/field_edit.h"
#include "editor/window/field_rules.h"
#include "editor/window/preview_pane.h"
#include "editor/window/problem_texts.h"
#include "editor/window/question_form.h"
#include "editor/window/round_boards.h"
#include "widgets/window_texts.h"

namespace kletochka::editor {

namespace {

constexpr int kRounds = QuestionBank::kRounds;
constexpr int kCells = QuestionBank::kCellsPerRound;

}  // namespace

EditorWindow::EditorWindow(std::unique_ptr<EditorDialogs> dialogs, SettingsPlace settings,
                           QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(std::move(dialogs)),
      m_settings(std::move(settings)),
      m_document(std::make_unique<BankDocument>()) {
    setObjectName(QStringLiteral("kletochka-editor"));
    m_cells = new CellModel(*m_document, this);
    m_problems = new ProblemModel(*m_document, this);
    makeLayout();
    makeActions();

    connect(m_boards, &RoundBoards::cellChosen, this, [this] {
        m_document->endTyping();
        showCell();
    });
    connect(m_form, &QuestionForm::textEdited, this, [this](Field field, const QString& text) {
        m_document->setText(m_boards->round(), m_boards->cell(), field, text);
    });
    connect(m_form, &QuestionForm::correctChosen, this, [this](int answer) {
        m_document->setCorrect(m_boards->round(), m_boards->cell(), answer);
    });
    connect(m_form, &QuestionForm::typingEnded, m_document.get(), &BankDocument::endTyping);

    // Undo and redo show the question they change.
    connect(m_document.get(), &BankDocument::textChanged, this,
            [this](int round, int cell, Field field) {
                if (round != m_boards->round() || cell != m_boards->cell()) {
                    chooseCell(round, cell);
                    return;
                }
                const QString text = m_document->text(round, cell, field);
                m_form->showText(field, text);
                m_preview->showText(field, text);
            });
    connect(m_document.get(), &BankDocument::correctChanged, this, [this](int round, int cell) {
        if (round != m_boards->round() || cell != m_boards->cell()) {
            chooseCell(round, cell);
            return;
        }
        m_form->showCorrect(m_document->correct(round, cell));
    });
    connect(m_document.get(), &BankDocument::bankReset, this, [this] { chooseCell(1, 1); });
    connect(m_document.get(), &BankDocument::problemsChanged, this, &EditorWindow::showCellStates);
    connect(m_document.get(), &BankDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document.get(), &BankDocument::filePathChanged, this, &EditorWindow::showTitle);
    connect(m_problemList, &QListView::activated, this, &EditorWindow::jumpToProblem);
    connect(m_problemList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EditorWindow::showProblemDetail);
    connect(m_problems, &QAbstractItemModel::modelReset, this, &EditorWindow::showProblemsTitle);

    showCell();
    showCellStates();
    showTitle();
    m_form->focusOn(Field::Question);
    // Wide enough for the preview at its true size, where the screen allows.
    resize(std::max(sizeHint().width(), m_preview->width() + 60), sizeHint().height());
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
    questionLayout->addStretch();
    middle->addWidget(question, 3);

    auto* problems = new QGroupBox(tr("Problems"), central);
    m_problemsBox = problems;
    auto* problemsLayout = new QVBoxLayout(problems);
    m_problemList = new QListView(problems);
    auto* texts = new ProblemTexts(this);
    texts->setSourceModel(m_problems);
    m_problemList->setModel(texts);
    m_problemList->setAccessibleName(tr("Problems"));
    m_problemList->setToolTip(tr("Double-click or press Enter to go to the field"));
    m_problemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problemList->setWordWrap(true);
    problemsLayout->addWidget(m_problemList);
    m_problemDetail = new QLabel(problems);
    m_problemDetail->setObjectName(QStringLiteral("problemDetail"));
    m_problemDetail->setWordWrap(true);
    m_problemDetail->setTextFormat(Qt::PlainText);
    m_problemDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problemDetail->hide();
    problemsLayout->addWidget(m_problemDetail);
    middle->addWidget(problems, 2);
    column->addLayout(middle, 1);

    // The game's face may be missing here; the caption names the one that stands in for it.
    const QString family = ShownFamily();
    auto* previewBox = new QGroupBox(
        family == GameFamily() ? tr("What the class sees (font %1)").arg(family)
                               : tr("What the class sees (font %1 in place of the game's %2)")
                                     .arg(family, GameFamily()),
        central);
    auto* previewLayout = new QVBoxLayout(previewBox);
    auto* scroll = new QScrollArea(previewBox);
    m_preview = new PreviewPane;
    scroll->setWidget(m_preview);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(m_preview->height() + 4);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAccessibleName(previewBox->title());
    previewLayout->addWidget(scroll);
    column->addWidget(previewBox);

    setCentralWidget(central);
    const std::initializer_list<QWidget*> tabOrder = {
        m_form->edit(Field::Question), m_form->edit(Field::AnswerA), m_form->edit(Field::AnswerB),
        m_form->edit(Field::AnswerC),  m_form->answerButton(1),      m_problemList};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it) {
        setTabOrder(*it, *(it + 1));
    }
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
    m_document->endTyping();
    m_boards->choose(round, cell);
    showCell();
}

void EditorWindow::stepCell(int step) {
    const int index = (m_boards->round() - 1) * kCells + (m_boards->cell() - 1) + step;
    if (index >= 0 && index < kRounds * kCells) {
        chooseCell(index / kCells + 1, index % kCells + 1);
    }
}

void EditorWindow::showCell() {
    const int round = m_boards->round();
    const int cell = m_boards->cell();
    for (const Field field : kTextFields) {
        const QString text = m_document->text(round, cell, field);
        m_form->showText(field, text);
        m_preview->showText(field, text);
    }
    m_form->showCorrect(m_document->correct(round, cell));
    m_form->clearRefusal();
    statusBar()->showMessage(tr("Round %1, cell %2").arg(round).arg(CellCaption(cell)));
}

void EditorWindow::showCellStates() {
    for (int round = 1; round <= kRounds; ++round) {
        for (int cell = 1; cell <= kCells; ++cell) {
            const QModelIndex index = m_cells->indexOf(round, cell);
            const bool filled = index.data(CellModel::FilledRole).toBool();
            const bool unwritten = index.data(CellModel::UnwrittenRole).toBool();
            const int problems = index.data(CellModel::ProblemCountRole).toInt();
            const CellState state = problems > 0 ? CellState::Problem
                                    : filled     ? CellState::Filled
                                                 : CellState::Empty;
            QString summary = unwritten ? tr("Not written yet")
                              : filled  ? tr("Filled")
                                        : tr("Not filled yet");
            if (problems > 0) {
                summary += QLatin1String(", ") + tr("%n problem(s)", nullptr, problems);
            }
            m_boards->setState(round, cell, state, summary);
        }
    }
}

void EditorWindow::showProblemDetail(const QModelIndex& index) {
    const int line = index.data(ProblemModel::LineRole).toInt();
    const QString text = index.data(ProblemModel::LineTextRole).toString();
    m_problemDetail->setVisible(line > 0);
    if (line > 0) {
        // Tabs and stray control characters would break the one line up.
        m_problemDetail->setText(tr("Line %1: %2").arg(line).arg(OneLine(text)));
    }
}

void EditorWindow::showProblemsTitle() {
    const QString table = m_problems->shownTable();
    m_problemsBox->setTitle(table.isEmpty()
                                ? tr("Problems")
                                : tr("Mistakes in \"%1\"").arg(QFileInfo(table).fileName()));
    showProblemDetail({});
}

void EditorWindow::jumpToProblem(const QModelIndex& index) {
    // A table that did not open has no cell to go to: its line is shown instead.
    if (index.data(ProblemModel::LineRole).toInt() > 0) {
        showProblemDetail(index);
        return;
    }
    // The count of questions not written yet leads to the first of them.
    if (index.data(ProblemModel::KindRole).toInt() ==
        static_cast<int>(authoring::ProblemKind::Unwritten)) {
        for (int at = 0; at < kRounds * kCells; ++at) {
            if (m_document->problems().isUnwritten(at / kCells + 1, at % kCells + 1)) {
                chooseCell(at / kCells + 1, at % kCells + 1);
                m_form->focusOn(Field::Question);
                return;
            }
        }
        return;
    }
    const int round = index.data(ProblemModel::RoundRole).toInt();
    const int cell = index.data(ProblemModel::CellRole).toInt();
    if (round < 1 || round > kRounds) {
        return;
    }
    chooseCell(round, cell >= 1 && cell <= kCells ? cell : 1);
    const int field = index.data(ProblemModel::FieldRole).toInt();
    m_form->focusOn(field >= 0 ? static_cast<Field>(field) : Field::Question);
}

void EditorWindow::showTitle() {
    // The application adds its own name, "Question editor", after the bank's. A bank
    // made from a table is named by the table: its .qb does not exist until saved.
    const QString path = m_document->filePath();
    const QString table = m_document->tablePath();
    const QString shown = !path.isEmpty()    ? QFileInfo(path).fileName()
                          : !table.isEmpty() ? tr("%1 (table)").arg(QFileInfo(table).fileName())
                                             : tr("New questions");
    setWindowTitle(shown + QStringLiteral("[*]"));
    setWindowFilePath(path);
    setWindowModified(m_document->isModified());
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (settleUnsaved()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace kletochka::editor
