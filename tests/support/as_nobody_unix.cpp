// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "as_nobody.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace kletochka::test {

namespace {

constexpr uid_t kNobody = 65534;

bool BecomeNobody() {
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(NobodyGroup()) == 0 &&
                                ::setuid(NobodyUser()) == 0);
}

}  // namespace

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

unsigned NobodyUser() {
    const passwd* entry = ::getpwnam("nobody");
    return entry != nullptr ? entry->pw_uid : kNobody;
}

unsigned NobodyGroup() {
    const passwd* entry = ::getpwnam("nobody");
    return entry != nullptr ? entry->pw_gid : kNobody;
}

void ExpectAsNobody(const std::function<void()>& check) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << "cannot start a child process";
    if (child == 0) {
        if (!BecomeNobody()) {
            std::fputs("cannot become nobody\n", stderr);
            std::_Exit(2);
        }
        check();
        std::fflush(nullptr);
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "as nobody the check failed (status " << status << "); its output is above";
}

void ExpectAsThisUserAndNobody(const std::filesystem::path& dir,
                               const std::function<void(const std::filesystem::path&)>& check) {
    const std::filesystem::path mine = dir / "mine";
    const std::filesystem::path theirs = dir / "nobody";
    std::filesystem::create_directory(mine);
    check(mine);
    std::filesystem::create_directory(theirs);
    std::filesystem::permissions(dir, std::filesystem::perms::all);
    std::filesystem::permissions(theirs, std::filesystem::perms::all);
    ExpectAsNobody([&] { check(theirs); });
}

UnreadableFile::UnreadableFile(const std::filesystem::path& path) : m_path(path) {
    std::filesystem::permissions(m_path, std::filesystem::perms::none);
}

UnreadableFile::~UnreadableFile() {
    std::error_code ignored;
    std::filesystem::permissions(
        m_path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, ignored);
}

}  // namespace kletochka::test
