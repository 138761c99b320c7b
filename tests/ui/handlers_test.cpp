// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the window with real clicks, fake sound and dialog.
#include <QApplication>
#include <QDir>
#include <QProperty>
#include <QPushButton>
#include <QTimer>

#include "bank_files.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::NumberedRight;
using test::OtherAnswer;
using test::WindowTest;

class PlayTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Window();
    }
    TfrmMAin& w() { return *window; }
    QString Exe(const char* name) { return QString::fromStdString((dir / "bin" / name).string()); }
    Label* Answer(Team team, int i) {
        Label* crosses[] = {w().parts().lblcrossA, w().parts().lblcrossB, w().parts().lblcrossC};
        Label* noughts[] = {w().parts().lblZeroA, w().parts().lblZeroB, w().parts().lblZeroC};
        return (team == Team::Crosses ? crosses : noughts)[i - 1];
    }
    void Side(Team team) {
        Click(team == Team::Crosses ? w().parts().SpeedButton1 : w().parts().SpeedButton2);
    }
    // Side, cell, answer, confirm, as the host clicks them.
    void Turn(Team team, int round, int cell, bool right) {
        Side(team);
        Click(w().cellButton(cell));
        Click(Answer(team,
                     right ? NumberedRight(round, cell) : OtherAnswer(NumberedRight(round, cell))));
        Click(w().parts().Button9);
    }
    QStringList Errors() { return test::ShownErrors(); }
    QString Box(const QString& text) { return QApplication::applicationDisplayName() + "|" + text; }
};

TEST_F(PlayTest, StartUpLoadsTheDefaultBankAndShowsTheEmptyBoard) {
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(w().OpenDialog().initialDir(), QString::fromStdString((dir / "bin").string()));
    EXPECT_EQ(w().bank().record(63).question.view(), "Q63");
    EXPECT_EQ(w().windowTitle(), "Турнир-клеточка");
    EXPECT_EQ(w().parts().lblHod->text(), "");
    EXPECT_EQ(w().game().Side(), Team::Noughts);
    EXPECT_EQ(sound->log, QStringList{"open click.wav"});
}

TEST_F(PlayTest, RightAnswerForTheCrossesMarksTheCellWithACross) {
    Click(w().parts().Button2);
    EXPECT_FALSE(w().parts().Button2->isEnabled());
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: первый гейм");
    EXPECT_EQ(CellPictureColor(1), test::kEmptyColor);
    EXPECT_EQ(w().cellButton(1)->text(), "А");

    Side(Team::Crosses);
    EXPECT_EQ(w().parts().lblHod->text(), "Ход крестиков");
    Click(w().parts().SpeedButton7);  // cell 5
    EXPECT_EQ(w().parts().lblQuestion->text(), "Q5");
    EXPECT_EQ(w().parts().lblcrossA->text(), "A5");
    EXPECT_EQ(w().parts().lblcrossC->text(), "C5");
    EXPECT_EQ(w().parts().lblZeroA->text(), "");
    Click(Answer(Team::Crosses, NumberedRight(1, 5)));
    EXPECT_TRUE(Answer(Team::Crosses, NumberedRight(1, 5))->font().bold());
    EXPECT_FALSE(Answer(Team::Crosses, OtherAnswer(NumberedRight(1, 5)))->font().bold());
    sound->log.clear();
    Click(w().parts().Button9);
    EXPECT_EQ(sound->played(), QStringList{"good.wav"});
    EXPECT_EQ(w().game().cell(5), kCross);
    EXPECT_EQ(CellPictureColor(5), test::kCrossColor);
    EXPECT_EQ(w().cellButton(5)->text(), "");
    // The question and the chosen answer stay; the turn band and the side do not change.
    EXPECT_EQ(w().parts().lblQuestion->text(), "Q5");
    EXPECT_EQ(w().parts().lblHod->text(), "Ход крестиков");
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(PlayTest, WrongAnswerForTheNoughtsGivesTheCellToTheCrosses) {
    Click(w().parts().Button5);  // round 4
    Side(Team::Noughts);
    EXPECT_EQ(w().parts().lblHod->text(), "Ход ноликов");
    Click(w().parts().SpeedButton3);
    EXPECT_EQ(w().parts().lblZeroB->text(), "B28");
    EXPECT_EQ(w().parts().lblcrossB->text(), "");
    Click(Answer(Team::Noughts, OtherAnswer(NumberedRight(4, 1))));
    sound->log.clear();
    Click(w().parts().Button9);
    EXPECT_EQ(sound->played(), QStringList{"bad.wav"});
    EXPECT_EQ(w().game().cell(1), kCross);
    EXPECT_EQ(CellPictureColor(1), test::kCrossColor);
}

TEST_F(PlayTest, ThreeInARowSoundsTheFanfareCuttingOffTheCue) {
    Click(w().parts().Button2);
    Turn(Team::Noughts, 1, 3, true);
    Turn(Team::Noughts, 1, 5, true);
    sound->log.clear();
    Turn(Team::Noughts, 1, 7, true);
    EXPECT_EQ(sound->played(), (QStringList{"click.wav", "click.wav", "good.wav", "tada.wav"}));
    EXPECT_EQ(sound->log.mid(sound->log.size() - 3),
              (QStringList{"stop good.wav", "open tada.wav", "play tada.wav"}));
    EXPECT_EQ(CellPictureColor(7), test::kZeroColor);
}

TEST_F(PlayTest, OccupiedCellPlaysNothingAndKeepsTheQuestion) {
    Click(w().parts().Button2);
    Turn(Team::Crosses, 1, 2, true);
    Click(w().parts().SpeedButton6);  // cell 4
    sound->log.clear();
    Click(w().parts().SpeedButton4);  // cell 2, taken
    EXPECT_TRUE(sound->log.isEmpty());
    EXPECT_EQ(w().parts().lblQuestion->text(), "Q4");
    EXPECT_EQ(w().game().CurrentCell(), 4);
}

TEST_F(PlayTest, SidePictureClearsTheQuestionButKeepsTheCellAndAnswer) {
    Click(w().parts().Button2);
    Side(Team::Noughts);
    Click(w().parts().SpeedButton8);  // cell 6
    Click(Answer(Team::Noughts, NumberedRight(1, 6)));
    Side(Team::Crosses);
    EXPECT_EQ(w().parts().lblQuestion->text(), "");
    EXPECT_EQ(w().parts().lblZeroA->text(), "");
    Click(w().parts().Button9);
    // The earlier answer is judged, with the crosses now moving.
    EXPECT_EQ(w().game().cell(6), kCross);
}

TEST_F(PlayTest, AnswersWaitForTheNextCellAfterConfirming) {
    Click(w().parts().Button2);
    Turn(Team::Crosses, 1, 1, false);
    Click(Answer(Team::Crosses, 2));
    EXPECT_FALSE(Answer(Team::Crosses, 2)->font().bold());
    // The other team's labels keep their style when one team chooses; empty labels take clicks.
    Click(w().parts().SpeedButton5);
    Click(Answer(Team::Noughts, 1));
    EXPECT_TRUE(Answer(Team::Noughts, 1)->font().bold());
    Click(Answer(Team::Crosses, 3));
    EXPECT_TRUE(Answer(Team::Noughts, 1)->font().bold());
    EXPECT_EQ(w().game().ChosenAnswer(), 3);
}

TEST_F(PlayTest, NewRoundClearsTheScreenAndEmptiesTheBoardKeepingTheSide) {
    Click(w().parts().Button2);
    Turn(Team::Crosses, 1, 9, true);
    Click(w().parts().SpeedButton3);
    Click(w().parts().Button4);  // round 3
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: третий гейм");
    EXPECT_EQ(w().parts().lblHod->text(), "");
    EXPECT_EQ(w().parts().lblQuestion->text(), "");
    EXPECT_EQ(w().parts().lblcrossA->text(), "");
    EXPECT_EQ(w().cellButton(9)->text(), "И");
    EXPECT_EQ(CellPictureColor(9), test::kEmptyColor);
    EXPECT_EQ(w().game().cell(9), kEmptyCell);
    EXPECT_EQ(w().game().Side(), Team::Crosses);
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "Q19");
}

TEST_F(PlayTest, EveryRoundOnceOnlyEvenAfterLoadingAnotherBank) {
    for (int k = 1; k <= 7; ++k)
        Click(w().roundButton(k));
    for (int k = 1; k <= 7; ++k)
        EXPECT_FALSE(w().roundButton(k)->isEnabled());
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: седьмой гейм");
    test::WriteFile(dir / "other.qb", test::BankBytes(test::NumberedRecords('O')));
    dialog->answers.push_back(QString::fromStdString((dir / "other.qb").string()));
    Click(w().parts().SpeedButton13);
    for (int k = 1; k <= 7; ++k)
        EXPECT_FALSE(w().roundButton(k)->isEnabled());
    Click(w().parts().Button2);
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "Q55");
}

TEST_F(PlayTest, ConfirmBeforeAnyCellDoesNothing) {
    Click(w().parts().Button2);
    sound->log.clear();
    Click(w().parts().Button9);
    EXPECT_TRUE(sound->log.isEmpty());
    EXPECT_TRUE(w().game().AnswerOpen());
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(PlayTest, OpeningAnotherBankTakesEffectAtTheNextRound) {
    Click(w().parts().Button2);
    test::WriteFile(dir / "other.qb", test::BankBytes(test::NumberedRecords('O')));
    const QString cwd = QDir::currentPath();
    dialog->answers = {QString(), QString::fromStdString((dir / "other.qb").string())};
    Click(w().parts().SpeedButton13);
    EXPECT_EQ(w().bank().record(1).question.view(), "Q1");
    Click(w().parts().SpeedButton13);
    EXPECT_EQ(dialog->shown, 2);
    EXPECT_EQ(w().bank().record(1).question.view(), "O1");
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "Q1");
    EXPECT_EQ(QDir::currentPath(), cwd);
    Click(w().parts().Button3);
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "O10");

    dialog->answers = {QString::fromStdString((dir / "typo.qb").string())};
    Click(w().parts().SpeedButton13);
    EXPECT_EQ(Errors(), QStringList{Box("File not found.")});
    EXPECT_EQ(w().bank().record(1).question.view(), "O1");
}

TEST_F(PlayTest, OpensABankFromAFolderNamedInRussianWithACharacterNoCodePageHolds) {
    const std::filesystem::path folder = dir.path() / u8"Вопросы 5 «А» ✓";
    std::filesystem::create_directory(folder);
    test::WriteFile(folder / u8"урок.qb", test::BankBytes(test::NumberedRecords('R')));
    dialog->answers = {QString::fromStdString(dir.path().string()) +
                       QString::fromUtf8("/Вопросы 5 «А» ✓/урок.qb")};
    Click(w().parts().SpeedButton13);
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(w().bank().record(1).question.view(), "R1");
}

// A second press must not start the running timer again: that would put its
// next tick back by up to a whole interval, and the program would end late.
TEST_F(PlayTest, ExitFadesInTwentyFiveStepsAndEndsOnTheTwentySixthTickPressedTwiceOrNot) {
    Click(w().parts().SpeedButton12);
    EXPECT_TRUE(w().parts().TimerStop->isActive());
    EXPECT_EQ(sound->played(), QStringList{"click.wav"});
    int startsAndStops = 0;
    const QPropertyNotifier watch =
        w().parts().TimerStop->bindableActive().addNotifier([&] { ++startsAndStops; });
    for (int tick = 1; tick <= 25; ++tick) {
        Tick();
        EXPECT_EQ(w().opacity(), 255 - 10 * tick);
        if (tick == 5) {
            // Clicks still work while fading; a second exit click only clicks.
            sound->log.clear();
            Click(w().parts().SpeedButton12);
            EXPECT_EQ(sound->played(), QStringList{"click.wav"});
            EXPECT_EQ(startsAndStops, 0) << "the second press restarted the fade's timer";
            Click(w().parts().Button2);
        }
    }
    EXPECT_EQ(w().opacity(), 5);
    EXPECT_EQ(terminations, 0);
    Tick();
    EXPECT_EQ(terminations, 1);
    EXPECT_EQ(startsAndStops, 0);
}

// What a failing step leaves behind: the steps before it stay done.
TEST_F(PlayTest, MissingRightCueClosesTheAnswersButMarksNothing) {
    Click(w().parts().Button2);
    Side(Team::Crosses);
    Click(w().parts().SpeedButton4);
    Click(Answer(Team::Crosses, NumberedRight(1, 2)));
    sound->failing.insert("good.wav");
    Click(w().parts().Button9);
    EXPECT_EQ(Errors(), QStringList{Box(test::CannotOpenMessage(Exe("good.wav")))});
    EXPECT_FALSE(w().game().AnswerOpen());
    EXPECT_EQ(w().game().cell(2), kEmptyCell);
    EXPECT_EQ(w().cellButton(2)->text(), "Б");
}

TEST_F(PlayTest, MissingMarkPictureLeavesTheMarkAndClearedLetterButOldPicture) {
    Click(w().parts().Button2);
    Turn(Team::Noughts, 1, 1, true);
    Turn(Team::Noughts, 1, 2, true);
    std::filesystem::remove(dir / "zero.bmp");
    sound->log.clear();
    Turn(Team::Noughts, 1, 3, true);
    ASSERT_EQ(Errors().size(), 1);
    EXPECT_TRUE(Errors()[0].startsWith(Box("Cannot open file \"")));
    EXPECT_EQ(w().game().cell(3), kNought);
    EXPECT_EQ(w().cellButton(3)->text(), "");
    EXPECT_EQ(CellPictureColor(3), test::kEmptyColor);
    // The line test was skipped: no fanfare.
    EXPECT_FALSE(sound->played().contains("tada.wav"));
}

TEST_F(PlayTest, MissingEmptyPictureLeavesTheButtonDisabledAndTheOldRound) {
    Click(w().parts().Button2);
    Turn(Team::Crosses, 1, 5, true);
    std::filesystem::remove(dir / "empty.bmp");
    Click(w().parts().Button6);  // round 5
    EXPECT_EQ(Errors().size(), 1);
    EXPECT_FALSE(w().parts().Button6->isEnabled());
    EXPECT_TRUE(w().game().AnswerOpen());
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: пятый гейм");
    EXPECT_EQ(w().game().roundQuestion(1).question.view(), "Q1");
    EXPECT_EQ(w().game().cell(5), kCross);
}

TEST_F(PlayTest, MissingClickStopsEachHandlerWhereItsOrderSays) {
    sound->failing.insert("click.wav");
    const QString lost = Box(test::CannotOpenMessage(Exe("click.wav")));
    // Round 1 names the round before its click, round 2 after it.
    Click(w().parts().Button2);
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: первый гейм");
    Click(w().parts().Button3);
    EXPECT_EQ(w().parts().lbl->text(), "Турнир-клеточка: первый гейм");
    EXPECT_FALSE(w().parts().Button3->isEnabled());
    // Cells 3 to 9 become current before the click, cells 1 and 2 after it.
    Click(w().parts().SpeedButton5);
    EXPECT_EQ(w().game().CurrentCell(), 3);
    Click(w().parts().SpeedButton4);
    EXPECT_EQ(w().game().CurrentCell(), 3);
    EXPECT_TRUE(w().game().AnswerOpen());
    // The side is chosen before the click; the turn band is not written.
    Side(Team::Crosses);
    EXPECT_EQ(w().game().Side(), Team::Crosses);
    EXPECT_EQ(w().parts().lblHod->text(), "");
    EXPECT_EQ(Errors().size(), 5);
    for (const QString& error : Errors())
        EXPECT_EQ(error, lost);
}

TEST_F(WindowTest, MissingDefaultBankIsShownAndTheBoardStillPlayable) {
    std::filesystem::remove(dir / "default.qb");
    TfrmMAin& w = Window();
    EXPECT_EQ(test::ShownErrors(),
              QStringList{QApplication::applicationDisplayName() + "|File not found."});
    EXPECT_EQ(w.game().cell(1), kEmptyCell);
    EXPECT_EQ(w.game().TitleText(), "Турнир-клеточка");
    Click(w.parts().Button3);
    EXPECT_EQ(w.parts().lbl->text(), "Турнир-клеточка: второй гейм");
}

}  // namespace
}  // namespace kletochka
