// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game, played with the real sound player and the real picture loader, leaves
// the working folder and the program's folder exactly as they were.
#include <QPushButton>

#include <map>

#include "bank_files.h"
#include "media_files.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

// Every file and folder below root with its size and last change; a folder changes when a file
// comes or goes.
std::map<std::string, FileStamp> Stamps(const std::filesystem::path& root) {
    std::map<std::string, FileStamp> stamps;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        stamps[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0,
                                         entry.last_write_time()};
    }
    stamps[root.string()] = {0, std::filesystem::last_write_time(root)};
    return stamps;
}

void PrintTo(const FileStamp& stamp, std::ostream* out) {
    *out << stamp.size << " bytes, changed " << stamp.modified.time_since_epoch().count();
}

class NothingWrittenTest : public test::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        realSound = true;
        std::filesystem::create_directory(dir / "bin");
        for (const char* cue :
             {"click.wav", "tada.wav", "bin/click.wav", "bin/good.wav", "bin/bad.wav"}) {
            test::WriteFile(dir / cue, test::GoodWave());
        }
        test::WriteFile(dir / "other.qb", test::BankBytes(test::NumberedRecords('O')));
    }
    Label* Answer(Team team, int i) {
        Label* crosses[] = {window->parts().lblcrossA, window->parts().lblcrossB,
                            window->parts().lblcrossC};
        Label* noughts[] = {window->parts().lblZeroA, window->parts().lblZeroB,
                            window->parts().lblZeroC};
        return (team == Team::Crosses ? crosses : noughts)[i - 1];
    }
    // Both banks are numbered.
    void Turn(Team team, int round, int cell, bool right) {
        const int answer = test::NumberedRight(round, cell);
        Click(team == Team::Crosses ? window->parts().SpeedButton1 : window->parts().SpeedButton2);
        Click(window->cellButton(cell));
        Click(Answer(team, right ? answer : test::OtherAnswer(answer)));
        Click(window->parts().Button9);
    }
};

TEST_F(NothingWrittenTest, AWholeGameLeavesEveryFileAsItWas) {
    const auto before = Stamps(dir.path());
    const auto programFolder = Stamps(dir / "bin");
    TfrmMAin& w = Window();
    for (int round = 1; round <= QuestionBank::kRounds; ++round) {
        Click(w.roundButton(round));
        // The crosses take the top row, the noughts lose the centre, then the diagonal is the
        // crosses'.
        Turn(Team::Crosses, round, 1, true);
        Turn(Team::Noughts, round, 5, false);
        Turn(Team::Crosses, round, 2, true);
        Turn(Team::Noughts, round, 9, true);
        Turn(Team::Crosses, round, 3, true);
        if (round == 3) {
            dialog->answers = {QString(), QString::fromStdString((dir / "other.qb").string()),
                               QString::fromStdString((dir / "typo.qb").string())};
            for (int i = 0; i < 3; ++i)
                Click(w.parts().SpeedButton13);
        }
    }
    EXPECT_EQ(w.bank().record(1).question.view(), "O1");
    EXPECT_EQ(w.game().cell(5), kCross);
    EXPECT_EQ(CellPictureColor(3), test::kCrossColor);
    EXPECT_EQ(CellPictureColor(9), test::kZeroColor);
    EXPECT_EQ(test::ShownErrors().size(), 1);  // the typed name that does not exist
    Click(w.parts().SpeedButton12);
    for (int tick = 0; tick < 26; ++tick)
        Tick();
    EXPECT_EQ(terminations, 1);
    window.reset();

    EXPECT_EQ(Stamps(dir / "bin"), programFolder);
    EXPECT_EQ(Stamps(dir.path()), before);
}

}  // namespace
}  // namespace kletochka
