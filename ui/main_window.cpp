// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers: what each click, tick and repaint does, in order.
// A step that throws ends its handler; what came before it stays done.
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "sound/cue_player.h"
#include "ui/application.h"
#include "ui/host_keys.h"
#include "ui/layout_scale.h"
#include "ui/paths.h"
#include "ui/question_file_dialog.h"
#include "widgets/display_text.h"
#include "widgets/file_path.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "widgets/window_texts.h"

namespace kletochka {

namespace {

using Handler = void (TfrmMAin::*)();

constexpr Handler kCellClicks[GameState::kCells] = {
    &TfrmMAin::SpeedButton3Click, &TfrmMAin::SpeedButton4Click,  &TfrmMAin::SpeedButton5Click,
    &TfrmMAin::SpeedButton6Click, &TfrmMAin::SpeedButton7Click,  &TfrmMAin::SpeedButton8Click,
    &TfrmMAin::SpeedButton9Click, &TfrmMAin::SpeedButton10Click, &TfrmMAin::SpeedButton11Click};

// Answers 1..3 of the crosses and of the noughts.
constexpr Handler kCrossAnswerClicks[3] = {&TfrmMAin::lblcrossAClick, &TfrmMAin::lblcrossBClick,
                                           &TfrmMAin::lblcrossCClick};
constexpr Handler kZeroAnswerClicks[3] = {&TfrmMAin::lblZeroAClick, &TfrmMAin::lblZeroBClick,
                                          &TfrmMAin::lblZeroCClick};

QString MarkPicture(CellOwner mark) {
    return mark == kCross ? QStringLiteral("cross.bmp") : QStringLiteral("zero.bmp");
}

QEvent::Type CreatedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace

TfrmMAin::TfrmMAin(WindowPlatform platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_platform(std::move(platform)) {
    createComponents();
    connectHandlers();
    // The window's creation is delivered as an event, so that its errors reach
    // the error box as every handler's do, and the window is still made.
    QEvent created(CreatedEvent());
    QCoreApplication::sendEvent(this, &created);
    // The window owns the catcher, so it stops catching when the window goes.
    new KeyCatcher(this, [this](const QKeyEvent& key) { return hostKeyPress(key); });
}

TfrmMAin::~TfrmMAin() = default;

void TfrmMAin::connectHandlers() {
    const std::pair<QPushButton*, void (TfrmMAin::*)()> pushes[] = {
        {Button2, &TfrmMAin::Button2Click}, {Button3, &TfrmMAin::Button3Click},
        {Button4, &TfrmMAin::Button4Click}, {Button5, &TfrmMAin::Button5Click},
        {Button6, &TfrmMAin::Button6Click}, {Button7, &TfrmMAin::Button7Click},
        {Button8, &TfrmMAin::Button8Click}, {Button9, &TfrmMAin::Button9Click}};
    for (const auto& [button, handler] : pushes) {
        connect(button, &QPushButton::clicked, this, [this, handler = handler] { run(handler); });
    }
    const std::pair<PictureButton*, void (TfrmMAin::*)()> pictures[] = {
        {SpeedButton1, &TfrmMAin::SpeedButton1Click},
        {SpeedButton2, &TfrmMAin::SpeedButton2Click},
        {SpeedButton3, &TfrmMAin::SpeedButton3Click},
        {SpeedButton4, &TfrmMAin::SpeedButton4Click},
        {SpeedButton5, &TfrmMAin::SpeedButton5Click},
        {SpeedButton6, &TfrmMAin::SpeedButton6Click},
        {SpeedButton7, &TfrmMAin::SpeedButton7Click},
        {SpeedButton8, &TfrmMAin::SpeedButton8Click},
        {SpeedButton9, &TfrmMAin::SpeedButton9Click},
        {SpeedButton10, &TfrmMAin::SpeedButton10Click},
        {SpeedButton11, &TfrmMAin::SpeedButton11Click},
        {SpeedButton12, &TfrmMAin::SpeedButton12Click},
        {SpeedButton13, &TfrmMAin::SpeedButton13Click}};
    for (const auto& [button, handler] : pictures) {
        connect(button, &PictureButton::clicked, this, [this, handler = handler] { run(handler); });
    }
    const std::pair<Label*, void (TfrmMAin::*)()> answers[] = {
        {lblcrossA, &TfrmMAin::lblcrossAClick}, {lblcrossB, &TfrmMAin::lblcrossBClick},
        {lblcrossC, &TfrmMAin::lblcrossCClick}, {lblZeroA, &TfrmMAin::lblZeroAClick},
        {lblZeroB, &TfrmMAin::lblZeroBClick},   {lblZeroC, &TfrmMAin::lblZeroCClick}};
    for (const auto& [label, handler] : answers) {
        connect(label, &Label::clicked, this, [this, handler = handler] { run(handler); });
    }
    connect(TimerStop, &QTimer::timeout, this, [this] { run(&TfrmMAin::TimerStopTimer); });
    for (int n = 1; n <= GameState::kCells; ++n) {
        connect(cellButton(n), &PictureButton::rightClicked, this,
                [this, n] { cellRightClick(n); });
    }
    connect(m_blank, &Label::clicked, this, [this] { setBlank(false); });
}

void TfrmMAin::run(void (TfrmMAin::*handler)()) {
    // Qt's widget code is built without exceptions and cannot unwind one: the
    // error ends the handler here, and the application shows it once the event is delivered.
    try {
        (this->*handler)();
    } catch (const std::exception&) {
        Application::handlerFailed(std::current_exception());
    }
}

bool TfrmMAin::event(QEvent* event) {
    if (event->type() == CreatedEvent()) {
        // The player opens its file by itself while the window is made. A missing
        // file is shown like any other error rather than ending the program.
        run(&TfrmMAin::openClickSound);
        run(&TfrmMAin::FormCreate);
        return true;
    }
    return QWidget::event(event);
}

void TfrmMAin::openClickSound() {
    mp().open(QStringLiteral("click.wav"));
}

QString TfrmMAin::ExeDir() const {
    return ExeDirOf(m_platform.executablePath);
}

void TfrmMAin::setOpacity(int alpha) {
    m_opacity = qBound(0, alpha, kOpaque);
    ShowWindowOpacity(*this, m_opacity);
}

void TfrmMAin::PlayCue(const QString& path) {
    mp().open(path);
    mp().play();
}

void TfrmMAin::click() {
    PlayCue(BesideExecutable(ExeDir(), QStringLiteral("click.wav")));
}

void TfrmMAin::SetCellPicture(int cell, const QString& file) {
    cellButton(cell)->setPicture(m_platform.loadBitmap(file));
}

std::array<Label*, 3> TfrmMAin::answerLabels(Team team) const {
    if (team == Team::Crosses) {
        return {lblcrossA, lblcrossB, lblcrossC};
    }
    return {lblZeroA, lblZeroB, lblZeroC};
}

void TfrmMAin::clearAnswers() {
    for (Team team : {Team::Crosses, Team::Noughts}) {
        for (Label* label : answerLabels(team)) {
            label->setText({});
        }
    }
    lblQuestion->setText({});
    m_questionShown = false;
}

void TfrmMAin::FormCreate() {
    OpenDialog().setInitialDir(ExeDir());
    m_game.InitGame(m_bank);
    setWindowTitle(QString::fromUtf8(m_game.TitleText()));
}

void TfrmMAin::FormPaint() {
    if (lblHod->width() != lbl->width()) {
        lblHod->resize(lbl->width(), lblHod->height());
    }
}

void TfrmMAin::roundClick(int k) {
    roundButton(k)->setEnabled(false);
    // Each round has its own order around the click: rounds 2 and 3 click before
    // naming the round, and round 1 clears the question straight after its click
    // where the others clear it last.
    const bool clickFirst = k == 2 || k == 3;
    const bool clearAfterClick = k == 1;
    const QString title = QString::fromUtf8(m_game.TitleText()) + RoundName(k);
    m_game.StartRound(m_bank, k, [&] {
        if (clickFirst) {
            click();
            lblHod->setText({});
            lbl->setText(title);
        } else {
            lbl->setText(title);
            lblHod->setText({});
            click();
        }
        if (clearAfterClick) {
            clearAnswers();
        }
        for (int n = 1; n <= GameState::kCells; ++n) {
            cellButton(n)->setText(CellCaption(n));
        }
        for (int n = 1; n <= GameState::kCells; ++n) {
            SetCellPicture(n, QStringLiteral("empty.bmp"));
        }
    });
    if (!clearAfterClick) {
        clearAnswers();
    }
}

void TfrmMAin::sideClick(Team side) {
    m_game.ChooseSide(side);
    click();
    clearAnswers();
    lblHod->setText(TurnText(side == Team::Crosses));
}

void TfrmMAin::cellClick(int n) {
    if (m_game.ChooseCell(n, [this] { click(); })) {
        showQuestion(n);
    }
}

void TfrmMAin::showQuestion(int n) {
    const QuestionRecord& question = m_game.roundQuestion(n);
    for (Team team : {Team::Crosses, Team::Noughts}) {
        for (Label* label : answerLabels(team)) {
            label->setText({});
            label->setBold(false);
        }
    }
    lblQuestion->setText(DisplayText(question.question));
    const auto labels = answerLabels(m_game.Side());
    for (int i = 1; i <= 3; ++i) {
        labels[static_cast<std::size_t>(i - 1)]->setText(DisplayText(question.answer(i)));
    }
    m_questionShown = true;
}

void TfrmMAin::answerClick(Team team, int i) {
    if (!m_game.AnswerOpen()) {
        return;
    }
    const auto labels = answerLabels(team);
    for (int j = 1; j <= 3; ++j) {
        labels[static_cast<std::size_t>(j - 1)]->setBold(j == i);
    }
    m_game.ChooseAnswer(i);
}

void TfrmMAin::Button9Click() {
    const std::optional<bool> right = m_game.ConfirmJudge();
    if (!right) {
        return;  // no cell chosen yet: nothing to judge
    }
    PlayCue(BesideExecutable(ExeDir(),
                             *right ? QStringLiteral("good.wav") : QStringLiteral("bad.wav")));
    // A cell was judged, so there is one to mark.
    const Placement placed = *m_game.ConfirmMark(*right);
    cellButton(placed.cell)->setText({});
    SetCellPicture(placed.cell, MarkPicture(placed.mark));
    if (m_game.CheckLines()) {
        PlayCue(QStringLiteral("tada.wav"));
    }
}

void TfrmMAin::SpeedButton12Click() {
    click();
    // Starting a running timer again would put its next tick back: a second
    // press only clicks.
    if (!TimerStop->isActive()) {
        TimerStop->start();
    }
}

void TfrmMAin::TimerStopTimer() {
    if (opacity() <= kFadeStep) {
        m_platform.terminate();
    } else {
        setOpacity(opacity() - kFadeStep);
    }
}

void TfrmMAin::SpeedButton13Click() {
    click();
    const std::optional<QString> path = OpenDialog().exec(this);
    if (path) {
        LoadQuestionBank(m_bank, ToStdPath(*path));
    }
}

// The screen as the confirmation found it: the turn band of the side that moved,
// the cell's question with the judged answer bold, the cell as it was.
void TfrmMAin::undoClick() {
    if (m_game.lastPlacedCell() == 0) {
        return;  // nothing to take back: no cue
    }
    click();
    const Placement back = *m_game.undoConfirm();
    const Team side = m_game.Side();
    lblHod->setText(TurnText(side == Team::Crosses));
    showQuestion(back.cell);
    const int chosen = m_game.ChosenAnswer();
    if (chosen >= 1 && chosen <= 3) {
        answerLabels(side)[static_cast<std::size_t>(chosen - 1)]->setBold(true);
    }
    // The picture comes last: a missing file then leaves only the cell's old picture.
    PictureButton* cell = cellButton(back.cell);
    if (back.mark == kEmptyCell) {
        cell->setText(CellCaption(back.cell));
        SetCellPicture(back.cell, QStringLiteral("empty.bmp"));
    } else {
        cell->setText({});
        SetCellPicture(back.cell, MarkPicture(back.mark));
    }
}

void TfrmMAin::cellRightClick(int n) {
    if (n == m_game.lastPlacedCell()) {
        run(&TfrmMAin::undoClick);
    }
}

bool TfrmMAin::blanked() const {
    return !m_blank->isHidden();
}

void TfrmMAin::setBlank(bool blank) {
    m_blank->setVisible(blank);
}

// Keys press what the mouse would. Whichever control has the focus, the host's
// keys reach the game and the control never sees them.
bool TfrmMAin::hostKeyPress(const QKeyEvent& key) {
    const HostKey host = HostKeyOf(key.key(), key.modifiers());
    if (blanked()) {
        // In the dark only the keys that end it do anything.
        const HostCommand c = host.command;
        if (!key.isAutoRepeat() && (c == HostCommand::Blank || c == HostCommand::AnswerOrBlank ||
                                    c == HostCommand::Unblank)) {
            setBlank(false);
        }
        return true;
    }
    if (host.command == HostCommand::None) {
        return false;
    }
    if (key.isAutoRepeat()) {
        return true;  // a held key acts once
    }
    const auto answer = [this](int i) {
        const Handler* clicks =
            m_game.Side() == Team::Crosses ? kCrossAnswerClicks : kZeroAnswerClicks;
        run(clicks[i - 1]);
    };
    switch (host.command) {
        case HostCommand::Crosses:
            run(&TfrmMAin::SpeedButton1Click);
            break;
        case HostCommand::Noughts:
            run(&TfrmMAin::SpeedButton2Click);
            break;
        case HostCommand::Cell:
            run(kCellClicks[host.number - 1]);
            break;
        case HostCommand::Answer:
            if (answerAwaited()) {
                answer(host.number);
            }
            break;
        case HostCommand::AnswerOrBlank:
            if (answerAwaited()) {
                answer(host.number);
            } else {
                setBlank(true);
            }
            break;
        case HostCommand::Confirm:
            // Once per question shown: a second press before the next cell does nothing.
            if (answerAwaited()) {
                run(&TfrmMAin::Button9Click);
            }
            break;
        case HostCommand::Undo:
            run(&TfrmMAin::undoClick);
            break;
        case HostCommand::Blank:
            setBlank(true);
            break;
        case HostCommand::Scale:
            setScaledUp(!scaledUp());
            break;
        case HostCommand::None:
        case HostCommand::Nothing:
        case HostCommand::Unblank:
            break;
    }
    return true;
}

}  // namespace kletochka
