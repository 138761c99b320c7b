// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Random play on the real window: every component clicked in any order, the
// exit fade stepped to just before the end, cues and pictures failing at
// random; after each click what must always hold is checked against a small
// model of the handlers' order. Replay a session with the seed it prints:
// KLETOCHKA_SESSION_SEED=<seed> KLETOCHKA_SESSION_CLICKS=<clicks per session>.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <random>

#include "bank_files.h"
#include "game/cells.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

constexpr int kClicksPerSession = 500;
constexpr std::uint64_t kFirstSeed = 20261207;
constexpr int kDefaultClicks = 50000;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    bool ok = false;
    const qulonglong value = qgetenv(name).toULongLong(&ok);
    return ok ? value : fallback;
}

enum class FileState { Good, Missing, Garbage };

class RandomSessionTest : public test::WindowTest {
  protected:
    void RunSession(std::uint64_t seed, int clicks);

  private:
    enum class Action { Round, Side, Cell, Answer, Confirm, Stop, Open, Tick };

    void StartSession(std::uint64_t seed);
    void MaybeBreakSomething();
    void Step();
    // The handler's expected error for the cue or picture, or nothing when it loads.
    std::optional<QString> CueError(const QString& name) const;
    std::optional<QString> PictureError(const QString& name) const;
    QColor ColorOf(const QString& picture) const;
    Label* AnswerLabel(Team team, int i) const;
    void CheckInvariants();

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    TfrmMAin& w() { return *window; }

    std::mt19937_64 m_rng;
    std::map<QString, FileState> m_files;  // the three cell pictures
    std::map<QString, std::string> m_goodBytes;
    // The model.
    std::array<QColor, GameState::kCells> m_picture{};  // invalid: no picture yet
    std::array<bool, GameState::kCells> m_stale{};      // the mark's picture failed to load
    std::array<std::array<bool, 3>, 2> m_bold{};        // [team][answer - 1]
    std::array<bool, QuestionBank::kRounds> m_roundUsed{};
    std::optional<Team> m_answersOf;  // whose labels show a question's answers
    bool m_sideMovedUnseen = false;   // a side click stopped before clearing the answers
    QuestionBank::Records m_bank{};
    bool m_fading = false;
    int m_opacity = 255;
    int m_errors = 0;

  public:
    int clicksDone = 0;
    int ticksDone = 0;
    int errorsShown = 0;
};

const QuestionBank::Records kDefaultBank = test::NumberedRecords();
const QuestionBank::Records kOtherBank = test::NumberedRecords('O', '\x7f');

void RandomSessionTest::StartSession(std::uint64_t seed) {
    window.reset();
    m_rng.seed(seed);
    test::ShownErrors().clear();
    for (const char* name : {"empty.bmp", "cross.bmp", "zero.bmp"}) {
        if (m_goodBytes.count(name) == 0)
            m_goodBytes[name] = test::ReadFile(dir / name);
        test::WriteFile(dir / name, m_goodBytes[name]);
        m_files[name] = FileState::Good;
    }
    test::WriteFile(dir / "other.qb", test::BankBytes(kOtherBank));
    test::WriteFile(dir / "short.qb", test::BankBytes(kOtherBank).substr(0, 5000));
    Window();
    m_picture = {};
    m_stale = {};
    m_bold = {};
    m_roundUsed = {};
    m_answersOf.reset();
    m_sideMovedUnseen = false;
    m_bank = kDefaultBank;
    m_fading = false;
    m_opacity = 255;
    m_errors = 0;
    terminations = 0;
}

void RandomSessionTest::MaybeBreakSomething() {
    if (!Chance(0.1))
        return;
    static const char* const kCues[] = {"click.wav", "good.wav", "bad.wav", "tada.wav"};
    static const char* const kPictures[] = {"empty.bmp", "cross.bmp", "zero.bmp"};
    // A broken file is mended at once when picked, a good one broken now and then,
    // so most clicks still find their files.
    const int which = Pick(7);
    const bool breakIt = Chance(0.1);
    if (which < 4) {
        const QString cue = kCues[which];
        if (!sound->failing.remove(cue) && breakIt)
            sound->failing.insert(cue);
        return;
    }
    const QString name = kPictures[which - 4];
    const auto path = dir / name.toStdString();
    if (m_files[name] != FileState::Good) {
        test::WriteFile(path, m_goodBytes[name]);
        m_files[name] = FileState::Good;
    } else if (!breakIt) {
        return;
    } else if (Chance(0.5)) {
        std::filesystem::remove(path);
        m_files[name] = FileState::Missing;
    } else {
        test::WriteFile(path, "BM not a picture");
        m_files[name] = FileState::Garbage;
    }
}

std::optional<QString> RandomSessionTest::CueError(const QString& name) const {
    if (!sound->failing.contains(name))
        return std::nullopt;
    // tada.wav is opened by its bare name, the others beside the executable.
    const QString path =
        name == "tada.wav"
            ? name
            : QString::fromStdString((dir / "bin" / name.toStdString()).make_preferred().string());
    return test::CannotOpenMessage(path);
}

std::optional<QString> RandomSessionTest::PictureError(const QString& name) const {
    switch (m_files.at(name)) {
        case FileState::Good:
            return std::nullopt;
        case FileState::Missing:
            return "Cannot open file \"" +
                   QString::fromStdString((dir / name.toStdString()).make_preferred().string()) +
                   "\". " + test::SystemMessage(ENOENT) + ".";
        case FileState::Garbage:
            return QStringLiteral("Bitmap image is not valid.");
    }
    return std::nullopt;
}

QColor RandomSessionTest::ColorOf(const QString& picture) const {
    return picture == "cross.bmp"  ? test::kCrossColor
           : picture == "zero.bmp" ? test::kZeroColor
                                   : test::kEmptyColor;
}

Label* RandomSessionTest::AnswerLabel(Team team, int i) const {
    Label* const crosses[] = {window->parts().lblcrossA, window->parts().lblcrossB,
                              window->parts().lblcrossC};
    Label* const noughts[] = {window->parts().lblZeroA, window->parts().lblZeroB,
                              window->parts().lblZeroC};
    return (team == Team::Crosses ? crosses : noughts)[i - 1];
}

void RandomSessionTest::Step() {
    const int roll = Pick(1000);
    Action action = roll < 15    ? Action::Round
                    : roll < 95  ? Action::Side
                    : roll < 475 ? Action::Cell
                    : roll < 725 ? Action::Answer
                    : roll < 925 ? Action::Confirm
                    : roll < 935 ? Action::Stop
                    : roll < 960 ? Action::Open
                                 : Action::Tick;
    if (action == Action::Tick && !(m_fading && m_opacity > 10))
        action = Action::Cell;

    std::optional<QString> error;
    QWidget* target = nullptr;
    const GameState& game = w().game();
    switch (action) {
        case Action::Round: {
            const int k = 1 + Pick(QuestionBank::kRounds);
            target = w().roundButton(k);
            if (m_roundUsed[k - 1])
                break;  // a disabled button takes no click
            m_roundUsed[k - 1] = true;
            error = CueError("click.wav");
            if (!error && k == 1)
                m_answersOf.reset();
            if (!error)
                error = PictureError("empty.bmp");
            if (!error) {
                m_picture.fill(ColorOf("empty.bmp"));
                m_stale = {};
                m_answersOf.reset();
            }
            break;
        }
        case Action::Side: {
            const Team side = Chance(0.5) ? Team::Crosses : Team::Noughts;
            target = side == Team::Crosses ? w().parts().SpeedButton1 : w().parts().SpeedButton2;
            error = CueError("click.wav");
            if (error) {
                if (m_answersOf && *m_answersOf != side)
                    m_sideMovedUnseen = true;
            } else {
                m_answersOf.reset();
            }
            break;
        }
        case Action::Cell: {
            const int n = 1 + Pick(GameState::kCells);
            target = w().cellButton(n);
            if (game.cell(n) != kEmptyCell)
                break;
            error = CueError("click.wav");
            if (!error) {
                m_bold = {};
                m_answersOf = game.Side();
                m_sideMovedUnseen = false;
            }
            break;
        }
        case Action::Answer: {
            const Team team = Chance(0.5) ? Team::Crosses : Team::Noughts;
            const int i = 1 + Pick(3);
            target = AnswerLabel(team, i);
            if (game.AnswerOpen()) {
                for (int j = 1; j <= 3; ++j)
                    m_bold[static_cast<std::size_t>(team)][j - 1] = j == i;
            }
            break;
        }
        case Action::Confirm: {
            target = w().parts().Button9;
            const int cell = game.CurrentCell();
            if (cell == 0)
                break;
            const bool right = game.ChosenAnswer() == game.roundQuestion(cell).correct();
            error = CueError(right ? "good.wav" : "bad.wav");
            if (error)
                break;
            const Team other = game.Side() == Team::Crosses ? Team::Noughts : Team::Crosses;
            const CellOwner mark = MarkOf(right ? game.Side() : other);
            const QString picture = mark == kCross ? "cross.bmp" : "zero.bmp";
            const auto index = static_cast<std::size_t>(cell - 1);
            error = PictureError(picture);
            m_stale[index] = error.has_value();
            if (error)
                break;
            m_picture[index] = ColorOf(picture);
            GameState::BoardCells board = game.Board();
            board[index] = mark;
            const auto at = [&board](int n) { return board[static_cast<std::size_t>(n - 1)]; };
            for (const Line& line : kLines) {
                const CellOwner first = at(line[0]);
                if (first != kEmptyCell && at(line[1]) == first && at(line[2]) == first) {
                    error = CueError("tada.wav");
                    break;
                }
            }
            break;
        }
        case Action::Stop:
            target = w().parts().SpeedButton12;
            error = CueError("click.wav");
            if (!error)
                m_fading = true;
            break;
        case Action::Open: {
            target = w().parts().SpeedButton13;
            error = CueError("click.wav");
            const int answer = Pick(5);
            static const char* const kAnswers[] = {"", "other.qb", "default.qb", "typo.qb",
                                                   "short.qb"};
            dialog->answers = {answer == 0
                                   ? QString()
                                   : QString::fromStdString((dir / kAnswers[answer]).string())};
            if (error)
                break;
            if (answer == 1)
                m_bank = kOtherBank;
            if (answer == 2)
                m_bank = kDefaultBank;
            if (answer == 3)
                error = QStringLiteral("File not found.");
            if (answer == 4)
                error = QStringLiteral("Read beyond end of file.");
            break;
        }
        case Action::Tick:
            Tick();
            m_opacity -= 10;
            ++ticksDone;
            break;
    }
    if (target != nullptr) {
        Click(target);
        ++clicksDone;
    }
    dialog->answers.clear();

    const QStringList& shown = test::ShownErrors();
    if (error) {
        ++m_errors;
        ++errorsShown;
    }
    ASSERT_EQ(shown.size(), m_errors) << "action " << static_cast<int>(action);
    if (error) {
        ASSERT_EQ(shown.back(), QApplication::applicationDisplayName() + "|" + *error)
            << "action " << static_cast<int>(action);
    }
    CheckInvariants();
}

void RandomSessionTest::CheckInvariants() {
    const GameState& game = w().game();
    for (int n = 1; n <= GameState::kCells; ++n) {
        const CellOwner owner = game.cell(n);
        ASSERT_TRUE(owner == kEmptyCell || owner == kCross || owner == kNought)
            << "cell " << n << " " << owner;
        const auto index = static_cast<std::size_t>(n - 1);
        const QColor shown = CellPictureColor(n);
        ASSERT_EQ(shown, m_picture[index]) << "picture of cell " << n;
        if (!m_stale[index]) {
            // The picture shows the board, or nothing before the first picture came.
            const QColor expected = owner == kCross    ? test::kCrossColor
                                    : owner == kNought ? test::kZeroColor
                                                       : test::kEmptyColor;
            ASSERT_TRUE(shown == expected || (owner == kEmptyCell && !shown.isValid()))
                << "cell " << n;
        }
    }
    ASSERT_EQ(std::memcmp(w().bank().records().data(), m_bank.data(), QuestionBank::kFileSize), 0);
    for (int k = 1; k <= QuestionBank::kRounds; ++k) {
        ASSERT_EQ(w().roundButton(k)->isEnabled(), !m_roundUsed[static_cast<std::size_t>(k - 1)])
            << "round " << k;
    }
    for (Team team : {Team::Crosses, Team::Noughts}) {
        int bold = 0;
        for (int i = 1; i <= 3; ++i) {
            Label* label = AnswerLabel(team, i);
            const bool isBold = label->font().bold();
            ASSERT_EQ(isBold, m_bold[static_cast<std::size_t>(team)][i - 1]) << "answer " << i;
            bold += isBold ? 1 : 0;
            if (!label->text().isEmpty()) {
                ASSERT_EQ(m_answersOf, team) << "answers shown on the wrong side";
                // A bold answer is the moving team's, unless a side click stopped before clearing
                // it.
                ASSERT_TRUE(!isBold || m_sideMovedUnseen || team == game.Side());
            }
        }
        ASSERT_LE(bold, 1);
    }
    ASSERT_EQ(w().parts().TimerStop->isActive(), m_fading);
    ASSERT_EQ(w().opacity(), m_opacity);
    ASSERT_EQ(terminations, 0);
}

void RandomSessionTest::RunSession(std::uint64_t seed, int clicks) {
    SCOPED_TRACE("session seed " + std::to_string(seed));
    StartSession(seed);
    ASSERT_TRUE(test::ShownErrors().isEmpty());
    const int start = clicksDone;
    while (clicksDone - start < clicks) {
        SCOPED_TRACE("click " + std::to_string(clicksDone - start + 1));
        MaybeBreakSomething();
        Step();
        if (HasFatalFailure())
            return;
    }
    // The fade still ends the program on the tick after the last step.
    if (m_fading) {
        while (w().opacity() > 10)
            Tick();
        Tick();
        EXPECT_EQ(terminations, 1);
    }
}

TEST_F(RandomSessionTest, EveryClickKeepsTheGameWhole) {
    const auto total = static_cast<int>(EnvNumber("KLETOCHKA_SESSION_CLICKS", kDefaultClicks));
    const std::uint64_t first = EnvNumber("KLETOCHKA_SESSION_SEED", kFirstSeed);
    const int perSession = std::min(total, kClicksPerSession);
    const int sessions = (total + perSession - 1) / perSession;
    std::cout << "random sessions: seeds " << first << " to "
              << first + static_cast<std::uint64_t>(sessions) - 1 << ", " << perSession
              << " clicks each" << std::endl;
    for (int s = 0; s < sessions && !HasFatalFailure(); ++s) {
        RunSession(first + static_cast<std::uint64_t>(s), perSession);
    }
    std::cout << "random sessions: " << clicksDone << " clicks, " << ticksDone << " fade ticks, "
              << errorsShown << " errors shown" << std::endl;
    EXPECT_GE(clicksDone, total);
}

}  // namespace
}  // namespace kletochka
