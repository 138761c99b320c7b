// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of bad file a teacher can hand the program, given to the real
// window, with the exact box the host sees; then the program goes on.
#include <QApplication>
#include <QPushButton>

#include <cerrno>
#include <cstring>

#include "bank_files.h"
#include "media_files.h"
#include "widgets/bmp_check.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"
#include "window_fixture.h"

namespace kletochka {
namespace {

using test::WriteFile;

// What a case puts at its path.
enum class Put { Nothing, Folder, Bytes };

struct BadFile {
    const char* name;
    const char* path;  // relative to the test's folder
    Put put;
    std::string bytes;
    const char* message;  // the box's text, "%1" for the file's path; empty when the file loads
    int err = 0;          // when not 0, "%2" in message is the system's words for it
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.name;
}

std::string PrintName(const ::testing::TestParamInfo<BadFile>& info) {
    return info.param.name;
}

class BadFileTest : public test::WindowTest, public ::testing::WithParamInterface<BadFile> {
  protected:
    void Place(const BadFile& bad) {
        const auto path = dir / bad.path;
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        if (bad.put == Put::Folder)
            std::filesystem::create_directory(path);
        if (bad.put == Put::Bytes)
            WriteFile(path, bad.bytes);
    }
    QString Path(const char* relative) { return QString::fromStdString((dir / relative).string()); }
    QStringList Box(const BadFile& bad) {
        if (*bad.message == '\0')
            return {};
        QString text = QString::fromUtf8(bad.message);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(QString::fromStdString((dir / bad.path).make_preferred().string()));
        if (bad.err != 0)
            text = text.arg(test::SystemMessage(bad.err));
        return {QApplication::applicationDisplayName() + "|" + text};
    }
};

// Question banks, chosen with the open-file picture.
class BadBankTest : public BadFileTest {};

const std::string kGoodBank = test::BankBytes(test::NumberedRecords('N'));

TEST_P(BadBankTest, ShowsItsMessageAndKeepsTheBankOrLoadsItWhole) {
    const BadFile& bad = GetParam();
    TfrmMAin& w = Window();
    const QuestionBank::Records before = w.bank().records();
    WriteFile(dir / "file", "x");
    Place(bad);
    dialog->answers = {Path(bad.path)};
    Click(w.parts().SpeedButton13);
    EXPECT_EQ(test::ShownErrors(), Box(bad));
    const auto* now = reinterpret_cast<const char*>(w.bank().records().data());
    if (Box(bad).isEmpty()) {
        EXPECT_EQ(std::string(now, QuestionBank::kFileSize),
                  bad.bytes.substr(0, QuestionBank::kFileSize));
    } else {
        EXPECT_EQ(std::memcmp(now, before.data(), QuestionBank::kFileSize), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, BadBankTest,
    ::testing::Values(
        BadFile{"missing", "none.qb", Put::Nothing, {}, "File not found."},
        BadFile{"inMissingFolder", "nofolder/b.qb", Put::Nothing, {}, "Invalid filename."},
        BadFile{"fileUsedAsFolder", "file/b.qb", Put::Nothing, {}, "Invalid filename."},
        BadFile{"folder", "folder.qb", Put::Folder, {}, test::FolderAsBankMessage()},
        BadFile{"empty", "b.qb", Put::Bytes, {}, "Read beyond end of file."},
        BadFile{"oneByte", "b.qb", Put::Bytes, kGoodBank.substr(0, 1), "Read beyond end of file."},
        BadFile{"oneRecordLessOneByte", "b.qb", Put::Bytes, kGoodBank.substr(0, 287),
                "Read beyond end of file."},
        BadFile{"tenRecords", "b.qb", Put::Bytes, kGoodBank.substr(0, 2880),
                "Read beyond end of file."},
        BadFile{"lastRecordShort", "b.qb", Put::Bytes, kGoodBank.substr(0, 18143),
                "Read beyond end of file."},
        BadFile{"all63PlusJunk", "b.qb", Put::Bytes, kGoodBank + std::string(5000, '\x9c'), ""},
        BadFile{"allFF", "b.qb", Put::Bytes, std::string(QuestionBank::kFileSize, '\xFF'), ""}),
    PrintName);

TEST_F(BadBankTest, AllFFBankShowsSeventyLettersAndHasNoRightAnswer) {
    TfrmMAin& w = Window();
    WriteFile(dir / "ff.qb", std::string(QuestionBank::kFileSize, '\xFF'));
    dialog->answers = {Path("ff.qb")};
    Click(w.parts().SpeedButton13);
    Click(w.parts().Button2);
    Click(w.parts().SpeedButton1);
    Click(w.cellButton(4));
    // A length byte of 255 shows the field's 70 characters: 0xFF is "я".
    const QString seventy(70, QChar(0x044F));
    EXPECT_EQ(w.parts().lblQuestion->text(), seventy);
    EXPECT_EQ(w.parts().lblcrossC->text(), seventy);
    EXPECT_EQ(w.game().roundQuestion(4).correct(), -1);
    Click(w.parts().lblcrossA);
    Click(w.parts().Button9);
    EXPECT_EQ(sound->played().back(), "bad.wav");
    EXPECT_EQ(w.game().cell(4), kNought);
    EXPECT_TRUE(test::ShownErrors().isEmpty());
}

// Sound files: the click beside the executable, played by the real player.
class BadSoundTest : public BadFileTest {
  protected:
    void SetUp() override {
        BadFileTest::SetUp();
        realSound = true;
        std::filesystem::create_directory(dir / "bin");
        WriteFile(dir / "click.wav", test::GoodWave());
    }
};

TEST_P(BadSoundTest, StopsTheHandlerAtTheCueAndPlaysOnWhenTheFileIsGood) {
    const BadFile& bad = GetParam();
    TfrmMAin& w = Window();
    ASSERT_TRUE(test::ShownErrors().isEmpty());
    Place(bad);
    Click(w.parts().SpeedButton1);
    EXPECT_EQ(test::ShownErrors(), Box(bad));
    // The side is chosen before the click; the turn band after it.
    EXPECT_EQ(w.game().Side(), Team::Crosses);
    EXPECT_EQ(w.parts().lblHod->text(), "");

    test::ShownErrors().clear();
    WriteFile(dir / "bin/click.wav", test::GoodWave());
    Click(w.parts().SpeedButton1);
    EXPECT_TRUE(test::ShownErrors().isEmpty());
    EXPECT_EQ(w.parts().lblHod->text(), "Ход крестиков");
}

std::string Ogg() {
    std::string bytes = "OggS";
    bytes += std::string(1, '\0') + '\x02' + std::string(200, '\0');
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, BadSoundTest,
    ::testing::Values(
        BadFile{"missing", "bin/click.wav", Put::Nothing, {}, "Couldn't open %1."},
        BadFile{"empty", "bin/click.wav", Put::Bytes, {}, "Not a wave file."},
        BadFile{"text", "bin/click.wav", Put::Bytes, "this is not a sound\n", "Not a wave file."},
        BadFile{"dataCutShort", "bin/click.wav", Put::Bytes, test::Wave(100, 8820),
                "The sound data is cut short."},
        BadFile{"headerOnly", "bin/click.wav", Put::Bytes, test::GoodWave().substr(0, 30),
                "The wave file's format is cut short."},
        BadFile{"mpegInWave", "bin/click.wav", Put::Bytes, test::Wave(100, 200, 0x55),
                "Error in WAV/W64/RF64 file. Malformed 'fmt ' chunk."},
        BadFile{"unknownCodec", "bin/click.wav", Put::Bytes, test::Wave(100, 200, 0xFF),
                "Error in WAV/W64/RF64 file. Malformed 'fmt ' chunk."},
        BadFile{"ogg", "bin/click.wav", Put::Bytes, Ogg(), "Not a wave file."}),
    PrintName);

// Cell pictures: "empty.bmp" in the working folder, loaded when round 1 starts.
class BadPictureTest : public BadFileTest {};

const QColor kShown{0, 128, 255};

std::string WithSize(std::string bmp, std::uint32_t width, std::uint32_t height) {
    std::memcpy(bmp.data() + 18, &width, 4);
    std::memcpy(bmp.data() + 22, &height, 4);
    return bmp;
}

TEST_P(BadPictureTest, StopsTheRoundStartOrShowsThePicture) {
    const BadFile& bad = GetParam();
    TfrmMAin& w = Window();
    Place(bad);
    Click(w.parts().Button2);
    EXPECT_EQ(test::ShownErrors(), Box(bad));
    EXPECT_FALSE(w.parts().Button2->isEnabled());
    if (Box(bad).isEmpty()) {
        EXPECT_EQ(CellPictureColor(1), kShown);
        EXPECT_EQ(CellPictureColor(9), kShown);
    } else {
        // The round stopped at cell 1: no picture anywhere and the round's questions not taken.
        EXPECT_FALSE(CellPictureColor(1).isValid());
        EXPECT_EQ(w.game().roundQuestion(1).question.view(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, BadPictureTest,
    ::testing::Values(
        BadFile{"missing", "empty.bmp", Put::Nothing, {}, "Cannot open file \"%1\". %2.", ENOENT},
        BadFile{"folder", "empty.bmp", Put::Folder, {}, "Cannot open file \"%1\". %2.", EISDIR},
        BadFile{"empty", "empty.bmp", Put::Bytes, {}, "Bitmap image is not valid."},
        BadFile{"text", "empty.bmp", Put::Bytes, "not a picture at all",
                "Bitmap image is not valid."},
        BadFile{"truncated", "empty.bmp", Put::Bytes, test::SolidBitmap(24, kShown).substr(0, 80),
                "Bitmap image is not valid."},
        BadFile{"headerOnly", "empty.bmp", Put::Bytes, test::SolidBitmap(24, kShown).substr(0, 40),
                "Bitmap image is not valid."},
        BadFile{"absurdSize", "empty.bmp", Put::Bytes,
                WithSize(test::SolidBitmap(24, kShown), 0x7FFFFFF0, 0x7FFFFFF0),
                "Bitmap image is not valid."},
        BadFile{"oneBit", "empty.bmp", Put::Bytes, test::SolidBitmap(1, kShown), ""},
        BadFile{"fourBit", "empty.bmp", Put::Bytes, test::SolidBitmap(4, kShown), ""},
        BadFile{"eightBit", "empty.bmp", Put::Bytes, test::SolidBitmap(8, kShown), ""},
        BadFile{"twentyFourBit", "empty.bmp", Put::Bytes, test::SolidBitmap(24, kShown), ""},
        BadFile{"thirtyTwoBit", "empty.bmp", Put::Bytes, test::SolidBitmap(32, kShown), ""}),
    PrintName);

}  // namespace
}  // namespace kletochka
