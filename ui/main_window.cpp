// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers: what each click, tick and repaint does, in order.
// A step that throws ends its handler; what came before it stays done.
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "sound/cue_player.h"
#include "ui/application.h"
#include "ui/paths.h"
#include "ui/question_file_dialog.h"
#include "widgets/display_text.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "widgets/window_texts.h"

namespace kletochka {

namespace {

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
    const QuestionRecord* question = m_game.ChooseCell(n, [this] { click(); });
    if (!question) {
        return;
    }
    for (Team team : {Team::Crosses, Team::Noughts}) {
        for (Label* label : answerLabels(team)) {
            label->setText({});
            label->setBold(false);
        }
    }
    lblQuestion->setText(DisplayText(question->question));
    const auto labels = answerLabels(m_game.Side());
    for (int i = 1; i <= 3; ++i) {
        labels[static_cast<std::size_t>(i - 1)]->setText(DisplayText(question->answer(i)));
    }
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
    SetCellPicture(placed.cell, placed.mark == kCross ? QStringLiteral("cross.bmp")
                                                      : QStringLiteral("zero.bmp"));
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
        LoadQuestionBank(m_bank, QFile::encodeName(*path).toStdString());
    }
}

}  // namespace kletochka
