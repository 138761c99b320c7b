// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The host's keys, pressed as the platform delivers them to the shown window,
// and taking confirmations back with the keys and the right mouse button.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

#include "bank_files.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::NumberedRight;
using test::OtherAnswer;

// Cyrillic letters with the key code Qt gives them and the text they type.
struct Typed {
    int key;
    const char* text;
};
constexpr Typed kCyrA{0x0410, "а"};
constexpr Typed kCyrVe{0x0412, "в"};
constexpr Typed kCyrEs{0x0421, "с"};
constexpr Typed kCyrI{0x0418, "и"};
constexpr Typed kCyrYu{0x042E, "ю"};
constexpr Typed kCyrYa{0x042F, "я"};

class HostKeysTest : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Show();
    }
    void Show() {
        TfrmMAin& w = Window();
        w.resize(1280, 1024);
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    TfrmMAin& w() { return *window; }

    // A key as the platform hands it to the window: Qt routes it to the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w().windowHandle(), key, modifiers);
    }
    void Pad(Qt::Key key) { Key(key, Qt::KeypadModifier); }
    void Type(Typed letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click, w().windowHandle(), Qt::Key(letter.key),
                            QString::fromUtf8(letter.text), modifiers);
    }
    // A key held down long enough for the keyboard to repeat it.
    void Hold(Qt::Key key, int repeats, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::simulateEvent(w().windowHandle(), true, key, modifiers, {}, false);
        for (int i = 0; i < repeats; ++i) {
            QTest::simulateEvent(w().windowHandle(), false, key, modifiers, {}, true);
            QTest::simulateEvent(w().windowHandle(), true, key, modifiers, {}, true);
        }
        QTest::simulateEvent(w().windowHandle(), false, key, modifiers, {}, false);
    }
    // A click on whatever the screen shows over the middle of `widget`.
    void ClickWhatCovers(QWidget* widget) {
        const QPoint at = w().mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
        QWidget* top = w().childAt(at);
        ASSERT_NE(top, nullptr);
        QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(&w(), at));
    }
    void RightClick(QWidget* widget) {
        QTest::mouseClick(widget, Qt::RightButton, {}, widget->rect().center());
    }

    Label* Answer(Team team, int i) {
        Label* crosses[] = {w().parts().lblcrossA, w().parts().lblcrossB, w().parts().lblcrossC};
        Label* noughts[] = {w().parts().lblZeroA, w().parts().lblZeroB, w().parts().lblZeroC};
        return (team == Team::Crosses ? crosses : noughts)[i - 1];
    }
    // Which answer label of the team is bold, 0 for none.
    int Bold(Team team) {
        for (int i = 1; i <= 3; ++i)
            if (Answer(team, i)->font().bold())
                return i;
        return 0;
    }
    // Round 1, then side, cell, answer and confirm, all with the mouse.
    void MouseTurn(Team team, int cell, bool right) {
        Click(team == Team::Crosses ? w().parts().SpeedButton1 : w().parts().SpeedButton2);
        Click(w().cellButton(cell));
        Click(Answer(team, right ? NumberedRight(1, cell) : OtherAnswer(NumberedRight(1, cell))));
        Click(w().parts().Button9);
    }
    QStringList Played() {
        const QStringList cues = sound->played();
        sound->log.clear();
        return cues;
    }
    static QString Focused() {
        const QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("nothing");
    }

    // Everything the host and the class can see or hear, by component. Not the
    // focus: a click on a push button takes it, a key leaves it where it is.
    QStringList Screen() {
        QStringList seen = {w().parts().lbl->text(), w().parts().lblHod->text(),
                            w().parts().lblQuestion->text()};
        for (Team team : {Team::Crosses, Team::Noughts})
            for (int i = 1; i <= 3; ++i)
                seen << Answer(team, i)->text() + (Answer(team, i)->font().bold() ? "*" : "");
        for (int n = 1; n <= GameState::kCells; ++n)
            seen << w().cellButton(n)->text() + " " + CellPictureColor(n).name();
        for (int k = 1; k <= QuestionBank::kRounds; ++k)
            seen << (w().roundButton(k)->isEnabled() ? "round" : "used");
        seen << "cues: " + Played().join(" ");
        return seen;
    }
};

// The same game played once with the keys and once with the mouse looks and
// sounds the same after every step.
TEST_F(HostKeysTest, KeysPlayAGameExactlyAsTheMouseDoes) {
    struct Step {
        const char* what;
        std::function<void()> keys;
        std::function<void()> mouse;
    };
    const auto click = [this](QWidget* (*of)(TfrmMAin&)) { return [=, this] { Click(of(w())); }; };
    const auto rightClick = [this](int n) { return [=, this] { RightClick(w().cellButton(n)); }; };
    const auto answer = [this](Team team, int i) { return [=, this] { Click(Answer(team, i)); }; };
    const auto confirm = click([](TfrmMAin& w) -> QWidget* { return w.parts().Button9; });
    const std::vector<Step> steps = {
        {"crosses", [this] { Key(Qt::Key_Left); },
         click([](TfrmMAin& w) -> QWidget* { return w.parts().SpeedButton1; })},
        {"cell 5", [this] { Pad(Qt::Key_5); }, [this] { Click(w().parts().SpeedButton7); }},
        {"answer C", [this] { Key(Qt::Key_C); }, answer(Team::Crosses, 3)},
        {"confirm", [this] { Key(Qt::Key_Return); }, confirm},
        {"noughts", [this] { Key(Qt::Key_Right); },
         click([](TfrmMAin& w) -> QWidget* { return w.parts().SpeedButton2; })},
        {"cell 1", [this] { Pad(Qt::Key_Home); }, [this] { Click(w().parts().SpeedButton3); }},
        {"answer С, wrong", [this] { Type(kCyrEs); }, answer(Team::Noughts, 3)},
        {"confirm", [this] { Key(Qt::Key_PageDown); }, confirm},
        {"take back cell 1", [this] { Key(Qt::Key_Backspace); }, rightClick(1)},
        {"answer B", [this] { Key(Qt::Key_B); }, answer(Team::Noughts, 2)},
        {"confirm", [this] { Key(Qt::Key_Enter, Qt::KeypadModifier); }, confirm},
        {"crosses", [this] { Key(Qt::Key_Left); },
         click([](TfrmMAin& w) -> QWidget* { return w.parts().SpeedButton1; })},
        {"cell 3", [this] { Pad(Qt::Key_PageUp); }, [this] { Click(w().parts().SpeedButton5); }},
        {"answer А", [this] { Type(kCyrA); }, answer(Team::Crosses, 1)},
        {"confirm", [this] { Key(Qt::Key_Return); }, confirm},
        {"cell 7", [this] { Pad(Qt::Key_1); }, [this] { Click(w().parts().SpeedButton9); }},
        {"answer В", [this] { Type(kCyrVe); }, answer(Team::Crosses, 2)},
        {"confirm, a line", [this] { Key(Qt::Key_PageDown); }, confirm},
        {"take back cell 7", [this] { Key(Qt::Key_Z, Qt::ControlModifier); }, rightClick(7)},
        {"take back cell 3", [this] { Key(Qt::Key_PageUp); }, rightClick(3)},
        {"take back cell 1", [this] { Key(Qt::Key_Backspace); }, rightClick(1)},
        {"take back cell 5", [this] { Type(kCyrYa, Qt::ControlModifier); }, rightClick(5)},
        {"nothing left", [this] { Key(Qt::Key_Backspace); }, rightClick(5)},
    };
    const auto play = [&](bool withKeys) {
        std::vector<QStringList> screens;
        Click(w().parts().Button2);
        Played();
        for (const Step& step : steps) {
            (withKeys ? step.keys : step.mouse)();
            screens.push_back(Screen());
        }
        return screens;
    };
    const std::vector<QStringList> byKeys = play(true);
    window.reset();
    Show();
    const std::vector<QStringList> byMouse = play(false);
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(byKeys[i], byMouse[i]) << "after step " << i + 1 << ", " << steps[i].what;
    // The game went where it was meant to.
    EXPECT_TRUE(byMouse[17].contains("cues: good.wav tada.wav"));
    EXPECT_TRUE(byMouse[21].contains("cues: click.wav"));
    EXPECT_TRUE(byMouse[22].contains("cues: "));
    EXPECT_EQ(w().game().Board(), GameState().Board());
}

TEST_F(HostKeysTest, KeypadChoosesCellsInBoardOrderWithNumLockOnOrOff) {
    Click(w().parts().Button2);
    const struct {
        Qt::Key on, off;
        int cell;
    } keypad[] = {{Qt::Key_7, Qt::Key_Home, 1},    {Qt::Key_8, Qt::Key_Up, 2},
                  {Qt::Key_9, Qt::Key_PageUp, 3},  {Qt::Key_4, Qt::Key_Left, 4},
                  {Qt::Key_5, Qt::Key_Clear, 5},   {Qt::Key_6, Qt::Key_Right, 6},
                  {Qt::Key_1, Qt::Key_End, 7},     {Qt::Key_2, Qt::Key_Down, 8},
                  {Qt::Key_3, Qt::Key_PageDown, 9}};
    for (const auto& k : keypad) {
        for (Qt::Key key : {k.on, k.off}) {
            Click(w().cellButton(k.cell == 1 ? 2 : 1));
            Played();
            Pad(key);
            EXPECT_EQ(w().game().CurrentCell(), k.cell) << "keypad " << key;
            EXPECT_EQ(w().parts().lblQuestion->text(), "Q" + QString::number(k.cell))
                << "keypad " << key;
            EXPECT_EQ(Played(), QStringList{"click.wav"}) << "keypad " << key;
        }
    }
    EXPECT_EQ(w().game().Side(), Team::Noughts) << "a keypad arrow chose a side";
    EXPECT_EQ(w().game().Board(), GameState().Board()) << "a keypad page key confirmed";

    // The digits above the letters, the keypad's 0 and its other keys are no host's keys:
    // no round starts, no cell is chosen.
    Click(w().parts().SpeedButton11);
    Played();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
                        Qt::Key_8, Qt::Key_9, Qt::Key_0})
        Key(key);
    for (Qt::Key key : {Qt::Key_0, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Plus, Qt::Key_Minus,
                        Qt::Key_Asterisk, Qt::Key_Slash})
        Pad(key);
    EXPECT_EQ(w().game().CurrentCell(), 9);
    EXPECT_EQ(Played(), QStringList{});
    for (int k = 2; k <= QuestionBank::kRounds; ++k)
        EXPECT_TRUE(w().roundButton(k)->isEnabled()) << "round " << k;
}

TEST_F(HostKeysTest, AnswerLettersInBothLayoutsChooseOnTheMovingSide) {
    Click(w().parts().Button2);
    const struct {
        std::function<void()> press;
        const char* name;
        int answer;
    } letters[] = {
        {[this] { Key(Qt::Key_A); }, "A", 1},
        {[this] { Key(Qt::Key_B); }, "B", 2},
        {[this] { Key(Qt::Key_C); }, "C", 3},
        {[this] { Type(kCyrA); }, "А", 1},
        {[this] { Type(kCyrVe); }, "В", 2},
        {[this] { Type(kCyrEs); }, "С", 3},
        {[this] { Type(kCyrI); }, "И (B key)", 2},
        {[this] { Key(Qt::Key_A, Qt::ShiftModifier); }, "Shift+A", 1},
    };
    for (Team team : {Team::Crosses, Team::Noughts}) {
        Click(team == Team::Crosses ? w().parts().SpeedButton1 : w().parts().SpeedButton2);
        Click(w().parts().SpeedButton7);
        const Team other = team == Team::Crosses ? Team::Noughts : Team::Crosses;
        for (const auto& letter : letters) {
            Click(Answer(team, letter.answer % 3 + 1));  // another answer first
            Played();
            letter.press();
            EXPECT_EQ(w().game().ChosenAnswer(), letter.answer) << letter.name;
            EXPECT_EQ(Bold(team), letter.answer) << letter.name;
            EXPECT_EQ(Bold(other), 0) << letter.name;
            EXPECT_EQ(Played(), QStringList{}) << letter.name;
            EXPECT_FALSE(w().blanked()) << letter.name;
        }
    }
    // With Ctrl or Alt a letter is no answer.
    Click(Answer(Team::Noughts, 1));
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(w().game().ChosenAnswer(), 1);

    // Once confirmed, or with no question on the screen, letters choose nothing.
    Key(Qt::Key_Return);
    Key(Qt::Key_C);
    Type(kCyrVe);
    EXPECT_EQ(Bold(Team::Noughts), 1);
    Click(w().parts().Button3);  // a round opens the answers but shows no question
    Key(Qt::Key_C);
    Type(kCyrA);
    EXPECT_EQ(w().game().ChosenAnswer(), 1);
    EXPECT_EQ(Bold(Team::Noughts), 1);
}

TEST_F(HostKeysTest, ConfirmKeysConfirmOncePerQuestionTheMouseAsOftenAsClicked) {
    Click(w().parts().Button2);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cell;
    } confirms[] = {{Qt::Key_Return, Qt::NoModifier, 1},
                    {Qt::Key_Enter, Qt::KeypadModifier, 6},
                    {Qt::Key_PageDown, Qt::NoModifier, 8}};
    for (const auto& c : confirms) {
        Click(w().parts().SpeedButton1);
        Click(w().cellButton(c.cell));
        Click(Answer(Team::Crosses, NumberedRight(1, c.cell)));
        Played();
        Key(c.key, c.modifiers);
        Key(c.key, c.modifiers);  // the double press
        EXPECT_EQ(Played(), QStringList{"good.wav"}) << "key " << c.key;
        EXPECT_EQ(w().game().cell(c.cell), kCross) << "key " << c.key;
        // The mouse still judges again, here for the other side.
        Click(w().parts().SpeedButton2);
        Played();
        Click(w().parts().Button9);
        EXPECT_EQ(Played(), QStringList{"good.wav"});
        EXPECT_EQ(w().game().cell(c.cell), kNought);
    }
    // A side picture takes the question off the screen: the keys confirm nothing then.
    Click(w().parts().SpeedButton7);
    Click(w().parts().SpeedButton1);
    Played();
    Key(Qt::Key_Return);
    EXPECT_EQ(Played(), QStringList{});
    EXPECT_EQ(w().game().cell(5), kEmptyCell);
    // Nor straight after a round starts, with the last round's cell still current.
    Click(w().parts().Button3);
    Played();
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Played(), QStringList{});
    EXPECT_EQ(w().game().Board(), GameState().Board());
}

TEST_F(HostKeysTest, TakingBackShowsTheBoardAsTheConfirmationFoundIt) {
    Click(w().parts().Button2);
    MouseTurn(Team::Crosses, 5, false);
    ASSERT_EQ(CellPictureColor(5), test::kZeroColor);
    // The host moves on before noticing: the other side, another cell.
    Click(w().parts().SpeedButton2);
    Click(w().parts().SpeedButton11);
    Played();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Played(), QStringList{"click.wav"});
    EXPECT_EQ(w().game().cell(5), kEmptyCell);
    EXPECT_EQ(w().cellButton(5)->text(), "Д");
    EXPECT_EQ(CellPictureColor(5), test::kEmptyColor);
    EXPECT_EQ(w().parts().lblHod->text(), "Ход крестиков");
    EXPECT_EQ(w().game().Side(), Team::Crosses);
    EXPECT_EQ(w().parts().lblQuestion->text(), "Q5");
    EXPECT_EQ(w().parts().lblcrossA->text(), "A5");
    EXPECT_EQ(w().parts().lblZeroA->text(), "");
    EXPECT_EQ(Bold(Team::Crosses), OtherAnswer(NumberedRight(1, 5)));
    // The host answers again and confirms with the key.
    Key(Qt::Key_C);
    Key(Qt::Key_Return);
    EXPECT_EQ(w().game().cell(5), kCross);
    EXPECT_EQ(Played(), QStringList{"good.wav"});

    // A confirmation made twice is taken back to the first mark, then to none.
    Click(w().parts().SpeedButton2);
    Click(w().parts().Button9);
    ASSERT_EQ(CellPictureColor(5), test::kZeroColor);
    RightClick(w().parts().SpeedButton7);
    EXPECT_EQ(w().game().cell(5), kCross);
    EXPECT_EQ(CellPictureColor(5), test::kCrossColor);
    EXPECT_EQ(w().cellButton(5)->text(), "");
    EXPECT_EQ(w().parts().lblHod->text(), "Ход ноликов");
    RightClick(w().parts().SpeedButton7);
    EXPECT_EQ(w().game().cell(5), kEmptyCell);
    EXPECT_EQ(w().parts().lblHod->text(), "Ход крестиков");
    EXPECT_TRUE(test::ShownErrors().isEmpty());
}

TEST_F(HostKeysTest, TakingBackStopsAtTheRoundsStartAndNeverAtAnotherCell) {
    Click(w().parts().Button2);
    MouseTurn(Team::Crosses, 1, true);
    MouseTurn(Team::Noughts, 2, true);
    Played();
    // Only the cell the last confirmation filled answers the right button.
    for (int n : {1, 3, 9})
        RightClick(w().cellButton(n));
    // Nor do the other pictures and the buttons.
    RightClick(w().parts().SpeedButton1);
    RightClick(w().parts().Button9);
    EXPECT_EQ(w().game().cell(2), kNought);
    EXPECT_EQ(Played(), QStringList{});

    RightClick(w().parts().SpeedButton4);
    RightClick(w().parts().SpeedButton3);
    EXPECT_EQ(Played(), (QStringList{"click.wav", "click.wav"}));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_PageUp);
    RightClick(w().parts().SpeedButton3);
    EXPECT_EQ(Played(), QStringList{}) << "a take-back past the round's start";

    // Never into the round before, and never bringing back its button.
    MouseTurn(Team::Crosses, 4, true);
    Click(w().parts().Button3);
    Played();
    Key(Qt::Key_Backspace);
    RightClick(w().parts().SpeedButton6);
    EXPECT_EQ(Played(), QStringList{});
    EXPECT_EQ(w().game().cell(4), kEmptyCell);
    EXPECT_EQ(CellPictureColor(4), test::kEmptyColor);
    EXPECT_FALSE(w().parts().Button2->isEnabled());
    EXPECT_FALSE(w().parts().Button3->isEnabled());
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: второй гейм");
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "Q10");
}

TEST_F(HostKeysTest, TakingBackALineAndAMarkWhosePictureFailed) {
    Click(w().parts().Button2);
    for (int n : {3, 5})
        MouseTurn(Team::Noughts, n, true);
    MouseTurn(Team::Noughts, 7, true);
    Played();
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(w().game().CheckLines());
    // Confirming the same answer again completes the line again, with the fanfare.
    Key(Qt::Key_Return);
    EXPECT_EQ(Played(), (QStringList{"click.wav", "good.wav", "tada.wav"}));

    std::filesystem::remove(dir / "cross.bmp");
    MouseTurn(Team::Crosses, 1, true);
    ASSERT_EQ(test::ShownErrors().size(), 1);
    ASSERT_EQ(w().game().cell(1), kCross);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(w().game().cell(1), kEmptyCell);
    EXPECT_EQ(w().cellButton(1)->text(), "А");
    EXPECT_EQ(CellPictureColor(1), test::kEmptyColor);

    // Without the empty picture the cell is free and lettered but keeps its mark's picture.
    std::filesystem::remove(dir / "empty.bmp");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(test::ShownErrors().size(), 2);
    EXPECT_EQ(w().game().cell(7), kEmptyCell);
    EXPECT_EQ(w().cellButton(7)->text(), "Ж");
    EXPECT_EQ(CellPictureColor(7), test::kZeroColor);
    EXPECT_EQ(w().parts().lblQuestion->text(), "Q7");
}

TEST_F(HostKeysTest, KeysReachTheGameWhicheverButtonHasTheFocusAndLeaveItThere) {
    const QList<QPushButton*> buttons = {
        w().parts().Button2, w().parts().Button3, w().parts().Button4, w().parts().Button5,
        w().parts().Button6, w().parts().Button7, w().parts().Button8, w().parts().Button9};
    for (QPushButton* focus : buttons) {
        focus->setFocus();
        Played();
        Key(Qt::Key_Left);
        EXPECT_EQ(w().game().Side(), Team::Crosses) << focus->objectName().toStdString();
        Key(Qt::Key_Right);
        EXPECT_EQ(w().game().Side(), Team::Noughts) << focus->objectName().toStdString();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Backspace})
            Key(key);
        Pad(Qt::Key_Enter);
        EXPECT_EQ(Focused(), focus->objectName());
        EXPECT_EQ(Played(), (QStringList{"click.wav", "click.wav"}));
    }
    // A stray key never starts a round; nothing but a press of the button does.
    for (QPushButton* round : buttons.mid(0, 7))
        EXPECT_TRUE(round->isEnabled()) << round->objectName().toStdString();

    // With no control focused the keys still work.
    QApplication::focusWidget()->clearFocus();
    Key(Qt::Key_Left);
    EXPECT_EQ(w().game().Side(), Team::Crosses);

    // Tab and Space work as they did.
    w().parts().Button3->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Button4");
    Key(Qt::Key_Space);
    EXPECT_FALSE(w().parts().Button4->isEnabled());
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: третий гейм");
}

TEST_F(HostKeysTest, AHeldKeyActsOnce) {
    Click(w().parts().Button2);
    Played();
    Hold(Qt::Key_Left, 5);
    Hold(Qt::Key_5, 5, Qt::KeypadModifier);
    EXPECT_EQ(Played(), (QStringList{"click.wav", "click.wav"}));
    Click(Answer(Team::Crosses, NumberedRight(1, 5)));
    Hold(Qt::Key_Return, 5);
    EXPECT_EQ(Played(), QStringList{"good.wav"});
    // Two placements; holding the take-back key takes back only the last.
    MouseTurn(Team::Crosses, 1, true);
    Hold(Qt::Key_Backspace, 5);
    EXPECT_EQ(w().game().cell(1), kEmptyCell);
    EXPECT_EQ(w().game().cell(5), kCross);
    // A held blank key does not flicker the screen off and on.
    Hold(Qt::Key_Period, 4);
    EXPECT_TRUE(w().blanked());
}

TEST_F(HostKeysTest, BlankScreenHidesTheGameAndOnlyItsKeysBringItBack) {
    Click(w().parts().Button2);
    MouseTurn(Team::Crosses, 5, true);
    w().parts().Button4->setFocus();
    Played();
    const QStringList before = Screen();
    Key(Qt::Key_Period);
    ASSERT_TRUE(w().blanked());
    const QImage shown = w().grab().toImage();
    for (QPoint at : {QPoint(5, 5), QPoint(500, 300), QPoint(1270, 1010)})
        EXPECT_EQ(shown.pixelColor(at), QColor(Qt::black)) << at.x() << "," << at.y();

    // In the dark no key changes the game, not even those the focused button takes.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Return, Qt::Key_PageUp, Qt::Key_Backspace,
                        Qt::Key_Space, Qt::Key_Tab, Qt::Key_A, Qt::Key_F5})
        Key(key);
    Pad(Qt::Key_1);
    EXPECT_TRUE(w().blanked());

    const struct {
        const char* name;
        std::function<void()> off;
    } ends[] = {
        {".", [this] { Key(Qt::Key_Period); }},
        {"B", [this] { Key(Qt::Key_B); }},
        {"Esc", [this] { Key(Qt::Key_Escape); }},
        {"Ю (. key)", [this] { Type(kCyrYu); }},
        {"И (B key)", [this] { Type(kCyrI); }},
        {"a click", [this] { ClickWhatCovers(w().parts().SpeedButton3); }},
    };
    for (const auto& end : ends) {
        if (!w().blanked())
            Key(Qt::Key_B);  // no question awaits an answer, so B blanks
        ASSERT_TRUE(w().blanked()) << end.name;
        end.off();
        EXPECT_FALSE(w().blanked()) << end.name;
    }
    EXPECT_EQ(Screen(), before) << "something changed behind the black screen";
    EXPECT_EQ(w().game().cell(1), kEmptyCell) << "the click on the black reached the board";

    // While a question waits, B is its answer and "." still blanks.
    Click(w().parts().SpeedButton3);
    Key(Qt::Key_B);
    EXPECT_FALSE(w().blanked());
    EXPECT_EQ(w().game().ChosenAnswer(), 2);
    Key(Qt::Key_Period);
    EXPECT_TRUE(w().blanked());
}

TEST_F(HostKeysTest, ClickersStartAndEndKeysNeverDisturbTheGame) {
    Click(w().parts().Button2);
    MouseTurn(Team::Noughts, 9, true);
    w().parts().Button9->setFocus();
    Played();
    const QStringList before = Screen();
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        Key(Qt::Key_F5, modifiers);
        Key(Qt::Key_Escape, modifiers);
    }
    EXPECT_EQ(Screen(), before);
    EXPECT_TRUE(w().isVisible());
    EXPECT_FALSE(w().parts().TimerStop->isActive());
    EXPECT_EQ(w().opacity(), 255);
    EXPECT_EQ(terminations, 0);
}

TEST_F(HostKeysTest, AKeyWhoseCueFailsShowsTheErrorOnce) {
    sound->failing.insert("click.wav");
    Key(Qt::Key_Left);
    EXPECT_EQ(test::ShownErrors().size(), 1);
    EXPECT_EQ(w().game().Side(), Team::Crosses);
    EXPECT_EQ(w().parts().lblHod->text(), "");
}

}  // namespace
}  // namespace kletochka
