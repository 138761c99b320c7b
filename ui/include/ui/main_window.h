// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "bank/question_bank.h"
#include "game/game_state.h"
#include "sound/cue_player.h"
#include "ui/question_file_dialog.h"
#include "ui/window_opacity.h"

class QKeyEvent;
class QPushButton;
class QScrollArea;
class QTimer;

namespace kletochka {

class BevelPanel;
class Label;
class LayoutScaler;
class PictureButton;

// What the window needs from the machine it runs on; tests put fakes here.
struct WindowPlatform {
    std::unique_ptr<CuePlayer> sound;
    std::unique_ptr<QuestionFileDialog> dialog;
    QString executablePath;                            // ExeDir is worked out from it
    std::function<QImage(const QString&)> loadBitmap;  // throws BitmapError
    std::function<void()> terminate;                   // ends the event loop
};

// The window's components by their given names, in creation order. Like a
// Designer form's Ui class, the window inherits them privately: only it sets them.
struct TfrmMAinParts {
    Label* lbl = nullptr;
    Label* lblQuestion = nullptr;
    PictureButton* SpeedButton1 = nullptr;
    PictureButton* SpeedButton2 = nullptr;
    Label* lblcrossA = nullptr;
    Label* lblcrossB = nullptr;
    Label* lblcrossC = nullptr;
    Label* lblZeroA = nullptr;
    Label* lblZeroB = nullptr;
    Label* lblZeroC = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;
    Label* Label7 = nullptr;
    Label* lblHod = nullptr;
    PictureButton* SpeedButton12 = nullptr;
    PictureButton* SpeedButton13 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    BevelPanel* Panel1 = nullptr;
    PictureButton* SpeedButton3 = nullptr;
    PictureButton* SpeedButton4 = nullptr;
    PictureButton* SpeedButton5 = nullptr;
    PictureButton* SpeedButton6 = nullptr;
    PictureButton* SpeedButton7 = nullptr;
    PictureButton* SpeedButton8 = nullptr;
    PictureButton* SpeedButton9 = nullptr;
    PictureButton* SpeedButton10 = nullptr;
    PictureButton* SpeedButton11 = nullptr;
    QPushButton* Button9 = nullptr;
    QTimer* TimerStop = nullptr;
};

// The game's one window. Handlers carry the behaviour; each calls the game's
// rules, plays its cue and updates the screen, in a fixed order, and lets any
// error through to the application's error box.
class TfrmMAin : public QWidget, private TfrmMAinParts {
    Q_OBJECT
  public:
    static constexpr int kLayoutWidth = 1138;
    static constexpr int kLayoutHeight = 713;
    // Every component but the two bands fits this area; smaller windows scroll.
    static constexpr QSize kContentSize{1017, 745};

    explicit TfrmMAin(WindowPlatform platform, QWidget* parent = nullptr);
    ~TfrmMAin() override;

    // Full screen on the primary screen, as the host expects, the layout scaled up to fill it.
    void showOnPrimaryScreen();
    // Whether the layout is enlarged to fill the window where that gains enough
    // (see LayoutScale), or shown at its own size at the top left.
    bool scaledUp() const { return m_scaledUp; }
    void setScaledUp(bool on);
    // The factor the layout is shown at now: 1 at its own size.
    qreal layoutScale() const;

    const GameState& game() const { return m_game; }
    const QuestionBank& bank() const { return m_bank; }
    // 0 (invisible) .. kOpaque
    int opacity() const { return m_opacity; }
    QString ExeDir() const;
    // Cell 1 <= n <= 9, and its round button k = 1..7.
    PictureButton* cellButton(int n) const { return m_cells.at(static_cast<std::size_t>(n - 1)); }
    QPushButton* roundButton(int k) const { return m_rounds.at(static_cast<std::size_t>(k - 1)); }
    QWidget* surface() const { return m_surface; }
    // The components by name; only the window itself sets them.
    const TfrmMAinParts& parts() const { return *this; }
    // The class sees a black screen instead of the game.
    bool blanked() const;

    // The sound player and the file dialog belong to the platform the window was given.
    CuePlayer& mp() const { return *m_platform.sound; }
    QuestionFileDialog& OpenDialog() const { return *m_platform.dialog; }

    // Handlers.
    void FormCreate();
    void FormPaint();
    void Button2Click() { roundClick(1); }
    void Button3Click() { roundClick(2); }
    void Button4Click() { roundClick(3); }
    void Button5Click() { roundClick(4); }
    void Button6Click() { roundClick(5); }
    void Button7Click() { roundClick(6); }
    void Button8Click() { roundClick(7); }
    void SpeedButton1Click() { sideClick(Team::Crosses); }
    void SpeedButton2Click() { sideClick(Team::Noughts); }
    void SpeedButton3Click() { cellClick(1); }
    void SpeedButton4Click() { cellClick(2); }
    void SpeedButton5Click() { cellClick(3); }
    void SpeedButton6Click() { cellClick(4); }
    void SpeedButton7Click() { cellClick(5); }
    void SpeedButton8Click() { cellClick(6); }
    void SpeedButton9Click() { cellClick(7); }
    void SpeedButton10Click() { cellClick(8); }
    void SpeedButton11Click() { cellClick(9); }
    void lblcrossAClick() { answerClick(Team::Crosses, 1); }
    void lblcrossBClick() { answerClick(Team::Crosses, 2); }
    void lblcrossCClick() { answerClick(Team::Crosses, 3); }
    void lblZeroAClick() { answerClick(Team::Noughts, 1); }
    void lblZeroBClick() { answerClick(Team::Noughts, 2); }
    void lblZeroCClick() { answerClick(Team::Noughts, 3); }
    void Button9Click();
    void SpeedButton12Click();
    void TimerStopTimer();
    void SpeedButton13Click();
    // Takes back the last confirmation of the board: from the host's keys, and
    // from a right click on the cell it filled.
    void undoClick();

    // The cue and picture operations the handlers use.
    void PlayCue(const QString& path);
    void SetCellPicture(int cell, const QString& file);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createComponents();
    // Places the components for the surface's size, then stretches the bands over it.
    void fitToSurface();
    void connectHandlers();
    // Runs a handler for an event; an error ends it and goes to the application's box.
    void run(void (TfrmMAin::*handler)());
    // The player's own opening of the click while the window is made.
    void openClickSound();
    void roundClick(int k);
    void sideClick(Team side);
    void cellClick(int n);
    void answerClick(Team team, int i);
    void click();
    void clearAnswers();
    void cellRightClick(int n);
    // Shows cell n's question, its answers on the moving side's labels, none bold.
    void showQuestion(int n);
    // A question is on the screen and its answer can still be chosen.
    bool answerAwaited() const { return m_questionShown && m_game.AnswerOpen(); }
    bool hostKeyPress(const QKeyEvent& key);
    void setBlank(bool blank);
    std::array<Label*, 3> answerLabels(Team team) const;
    void setOpacity(int alpha);

    WindowPlatform m_platform;
    QuestionBank m_bank;
    GameState m_game;
    int m_opacity = kOpaque;
    bool m_shown = false;          // the first frame has been painted
    bool m_questionShown = false;  // showQuestion ran since the answers were last cleared
    bool m_scaledUp = false;
    std::unique_ptr<LayoutScaler> m_scaler;
    Label* m_blank = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_surface = nullptr;
    std::array<PictureButton*, GameState::kCells> m_cells{};
    std::array<QPushButton*, QuestionBank::kRounds> m_rounds{};
};

}  // namespace kletochka
