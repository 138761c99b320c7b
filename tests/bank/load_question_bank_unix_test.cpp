// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The loader's failures as Linux reports them: its error numbers, a folder,
// a refusal that only an ordinary user meets, running out of descriptors, and close().
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "bank/error.h"
#include "bank/question_bank.h"
#include "load_bank_fixture.h"

namespace kletochka {
namespace {

using test::BankBytes;
using test::LoadFailure;
using test::LoadQuestionBankTest;
using test::NumberedRecords;
using test::SameRecords;
using test::TempDir;
using test::WriteFile;

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
