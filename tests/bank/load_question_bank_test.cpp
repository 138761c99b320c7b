// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "bank/error.h"
#include "bank/question_bank.h"
#include "bank_files.h"
#include "temp_dir.h"

namespace kletochka {
namespace {

using test::BankBytes;
using test::NumberedRecords;
using test::TempDir;
using test::WriteFile;

bool SameRecords(const QuestionBank::Records& a, const QuestionBank::Records& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The code and message a load fails with; code 0 when it does not fail.
std::pair<int, std::string> LoadFailure(QuestionBank& bank, const std::filesystem::path& path) {
    try {
        LoadQuestionBank(bank, path);
    } catch (const InOutError& e) {
        return {e.code(), e.what()};
    }
    return {0, ""};
}

class LoadQuestionBankTest : public ::testing::Test {
  protected:
    TempDir dir;
    QuestionBank bank;
    const QuestionBank::Records earlier = NumberedRecords('E');
    const QuestionBank::Records fresh = NumberedRecords('N', '\x7f');

    void SetUp() override { bank.replace(earlier); }
};

TEST_F(LoadQuestionBankTest, ReadsAllRecordsByteForByteInFileOrder) {
    WriteFile(dir / "b.qb", BankBytes(fresh));
    LoadQuestionBank(bank, dir / "b.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
    EXPECT_EQ(bank.record(1).question.view(), "N1");
    EXPECT_EQ(bank.record(63).question.view(), "N63");
    EXPECT_EQ(bank.round(2)[0].question.view(), "N10");
    EXPECT_EQ(bank.round(7)[8].question.view(), "N63");
}

TEST_F(LoadQuestionBankTest, IgnoresBytesAfterTheLastRecord) {
    WriteFile(dir / "long.qb", BankBytes(fresh) + std::string(1000, '\xee'));
    LoadQuestionBank(bank, dir / "long.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
}

TEST_F(LoadQuestionBankTest, WriteProtectedBankLoads) {
    WriteFile(dir / "ro.qb", BankBytes(fresh));
    std::filesystem::permissions(dir / "ro.qb", std::filesystem::perms::owner_read);
    LoadQuestionBank(bank, dir / "ro.qb");
    EXPECT_TRUE(SameRecords(bank.records(), fresh));
}

// Every failure leaves the earlier bank exactly as it was: no mix of two files.
struct BadBank {
    const char* name;
    std::size_t size;  // bytes of a good bank to keep
    int code;
    const char* message;
};

class ShortBankTest : public LoadQuestionBankTest, public ::testing::WithParamInterface<BadBank> {};

TEST_P(ShortBankTest, FailsAndKeepsTheEarlierBank) {
    const BadBank& bad = GetParam();
    WriteFile(dir / "short.qb", BankBytes(fresh).substr(0, bad.size));
    EXPECT_EQ(LoadFailure(bank, dir / "short.qb"),
              std::make_pair(bad.code, std::string(bad.message)));
    EXPECT_TRUE(SameRecords(bank.records(), earlier));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ShortBankTest,
    ::testing::Values(BadBank{"empty", 0, 100, "Read beyond end of file"},
                      BadBank{"oneByte", 1, 100, "Read beyond end of file"},
                      BadBank{"oneRecordLessOneByte", 287, 100, "Read beyond end of file"},
                      BadBank{"tenRecords", 288 * 10, 100, "Read beyond end of file"},
                      BadBank{"insideLastRecord", 18144 - 1, 100, "Read beyond end of file"}),
    [](const ::testing::TestParamInfo<BadBank>& p) { return std::string(p.param.name); });

TEST_F(LoadQuestionBankTest, FailedLoadAtStartLeavesZeroBytes) {
    QuestionBank empty;
    WriteFile(dir / "ten.qb", BankBytes(fresh).substr(0, 2880));
    EXPECT_EQ(LoadFailure(empty, dir / "ten.qb").first, 100);
    EXPECT_TRUE(SameRecords(empty.records(), QuestionBank::Records{}));
    EXPECT_EQ(empty.record(11).correct(), 0);
}

TEST_F(LoadQuestionBankTest, MissingFileAndMissingFolderAreToldApart) {
    EXPECT_EQ(LoadFailure(bank, dir / "none.qb"), std::make_pair(2, std::string("File not found")));
    EXPECT_EQ(LoadFailure(bank, dir / "nofolder" / "b.qb"),
              std::make_pair(3, std::string("Invalid filename")));
    // A plain file used as a folder is a bad name too.
    WriteFile(dir / "file", "x");
    EXPECT_EQ(LoadFailure(bank, dir / "file" / "b.qb").first, 3);
    EXPECT_TRUE(SameRecords(bank.records(), earlier));
}

TEST_F(LoadQuestionBankTest, FolderGivenAsBankIsAnIoErrorWithTheSystemNumber) {
    EXPECT_EQ(LoadFailure(bank, dir.path()),
              std::make_pair(EISDIR, "I/O error " + std::to_string(EISDIR)));
    EXPECT_TRUE(SameRecords(bank.records(), earlier));
}

// Loads path in a child process running as nobody, where root's right to read
// every file does not hide a refusal; the child exits with the error's code
// (0 when the bank loads) and prints its message.
void LoadAsNobody(const std::filesystem::path& path) {
    constexpr gid_t kNobody = 65534;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        std::_Exit(99);
    }
    QuestionBank bank;
    try {
        LoadQuestionBank(bank, path);
    } catch (const InOutError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::_Exit(e.code());
    }
    std::_Exit(0);
}

TEST_F(LoadQuestionBankTest, UnreadableFileIsAccessDenied) {
    // The folder lets everyone in, so only the file's own permissions refuse.
    std::filesystem::permissions(dir.path(), std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    WriteFile(dir / "open.qb", BankBytes(fresh));
    std::filesystem::permissions(dir / "open.qb", std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    WriteFile(dir / "secret.qb", BankBytes(fresh));
    std::filesystem::permissions(dir / "secret.qb", std::filesystem::perms::none);
    EXPECT_EXIT(LoadAsNobody(dir / "open.qb"), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(LoadAsNobody(dir / "secret.qb"), ::testing::ExitedWithCode(5),
                "^File access denied\n$");
}

TEST_F(LoadQuestionBankTest, OutOfHandlesIsTooManyOpenFilesAndEveryLoadCloses) {
    WriteFile(dir / "b.qb", BankBytes(fresh));
    WriteFile(dir / "short.qb", "abc");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    // Loads that closed nothing would run out of handles long before the end.
    for (int i = 0; i < 3000; ++i) {
        LoadQuestionBank(bank, dir / "b.qb");
        ASSERT_EQ(LoadFailure(bank, dir / "short.qb").first, 100);
    }
    std::vector<int> hogs;
    rlimit low = old;
    low.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    for (int fd; (fd = ::dup(0)) >= 0;) {
        hogs.push_back(fd);
    }
    const auto failure = LoadFailure(bank, dir / "b.qb");
    for (int fd : hogs) {
        ::close(fd);
    }
    ::setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_EQ(failure, std::make_pair(4, std::string("Too many open files")));
}

TEST(InOutErrorMessage, CodesWithoutTextShowTheNumber) {
    EXPECT_EQ(InOutError(101).what(), std::string("Disk full"));
    EXPECT_EQ(InOutError(106).what(), std::string("Invalid numeric input"));
    EXPECT_EQ(InOutError(32).what(), std::string("I/O error 32"));
    EXPECT_EQ(InOutError(32).code(), 32);
}

// The failures of the system that have a row of their own, and some whose
// numbers are also a row's code on Linux but must show as numbers.
struct SystemFailure {
    int err;
    int code;
    const char* message;
};

void PrintTo(const SystemFailure& failure, std::ostream* out) {
    *out << "errno " << failure.err;
}

class SystemFailureTest : public ::testing::TestWithParam<SystemFailure> {};

TEST_P(SystemFailureTest, ShowsItsRowOrItsNumber) {
    const SystemFailure& failure = GetParam();
    const InOutError error = InOutError::fromErrno(failure.err);
    EXPECT_EQ(error.code(), failure.code);
    EXPECT_EQ(error.what(), std::string(failure.message));
}

INSTANTIATE_TEST_SUITE_P(Errno, SystemFailureTest,
                         ::testing::Values(SystemFailure{ENOENT, 2, "File not found"},
                                           SystemFailure{ENOTDIR, 3, "Invalid filename"},
                                           SystemFailure{ENAMETOOLONG, 3, "Invalid filename"},
                                           SystemFailure{EMFILE, 4, "Too many open files"},
                                           SystemFailure{ENFILE, 4, "Too many open files"},
                                           SystemFailure{EACCES, 5, "File access denied"},
                                           SystemFailure{EPERM, 5, "File access denied"},
                                           SystemFailure{EROFS, 5, "File access denied"},
                                           SystemFailure{EINTR, 4, "I/O error 4"},
                                           SystemFailure{EIO, 5, "I/O error 5"},
                                           SystemFailure{ESRCH, 3, "I/O error 3"},
                                           SystemFailure{ENETDOWN, 100, "I/O error 100"},
                                           SystemFailure{ENETUNREACH, 101, "I/O error 101"},
                                           SystemFailure{EISCONN, 106, "I/O error 106"}));

TEST(SystemFailure, EveryOtherNumberShowsAsItself) {
    const std::set<int> named = {ENOENT, ENOTDIR, ENAMETOOLONG, EMFILE,
                                 ENFILE, EACCES,  EPERM,        EROFS};
    for (int err = 1; err < 256; ++err) {
        if (named.contains(err)) {
            continue;
        }
        const InOutError error = InOutError::fromErrno(err);
        EXPECT_EQ(error.code(), err);
        EXPECT_EQ(error.what(), "I/O error " + std::to_string(err));
    }
}

// A stand-in for close(): it closes the descriptor, as Linux does, and then fails with err.
template <int err>
int FailingClose(int fd) {
    ::close(fd);
    errno = err;
    return -1;
}

TEST_F(LoadQuestionBankTest, InterruptedCloseKeepsTheWholeBankAndOtherCloseFailuresDoNot) {
    WriteFile(dir / "b.qb", BankBytes(fresh));
    EXPECT_TRUE(SameRecords(ReadQuestionBankFile(dir / "b.qb", FailingClose<EINTR>), fresh));
    try {
        ReadQuestionBankFile(dir / "b.qb", FailingClose<EIO>);
        ADD_FAILURE() << "a failed close went unreported";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), EIO);
        EXPECT_EQ(e.what(), "I/O error " + std::to_string(EIO));
    }
}

}  // namespace
}  // namespace kletochka
