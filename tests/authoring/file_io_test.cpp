// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file never loses the old one, exposes it, or cuts it from its links.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "as_nobody.h"
#include "authoring/file_io.h"
#include "file_io_helpers.h"
#include "param_name.h"
#include "temp_dir.h"

namespace kletochka::authoring {
namespace {

namespace fs = std::filesystem;
using Reason = WriteError::Reason;
using test::FailingAt;
using test::FailureOf;
using test::Names;
using test::OverReadOnly;
using test::ReadFile;
using test::WriteFile;

std::string Pattern(const char* text, std::size_t size) {
    std::string bytes;
    while (bytes.size() < size) {
        bytes += text;
    }
    bytes.resize(size);
    return bytes;
}

// The new contents are shorter, so a file overwritten in place must also be cut.
const std::string kOld = Pattern("old text of the bank\n", 20000);
const std::string kNew = Pattern("NEW", 18144);

struct stat Stat(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

unsigned Permissions(const fs::path& path) {
    return Stat(path).st_mode & 07777;
}

class FileIo : public ::testing::Test {
  protected:
    test::TempDir dir;

    void ForBoth(const std::function<void(const fs::path&)>& check) {
        test::ExpectAsThisUserAndNobody(dir.path(), check);
    }
};

struct Mode {
    const char* name;
    unsigned permissions;
};

class KeptPermissions : public FileIo, public ::testing::WithParamInterface<Mode> {};

TEST_P(KeptPermissions, AcrossASaveAlsoInPlace) {
    ForBoth([](const fs::path& folder) {
        for (const char* name : {"alone.qb", "linked.qb"}) {
            const fs::path file = folder / name;
            WriteFile(file, kOld);
            if (std::string(name) == "linked.qb") {
                fs::create_hard_link(file, folder / "other-name.qb");
            }
            ASSERT_EQ(::chmod(file.c_str(), GetParam().permissions), 0);
            ReplaceFile(file, kNew, OverReadOnly());
            EXPECT_EQ(ReadFile(file), kNew) << name;
            EXPECT_EQ(Permissions(file), GetParam().permissions) << name;
        }
        EXPECT_EQ(Names(folder),
                  (std::vector<std::string>{"alone.qb", "linked.qb", "other-name.qb"}));
    });
}

INSTANTIATE_TEST_SUITE_P(Modes, KeptPermissions,
                         ::testing::Values(Mode{"Private", 0600}, Mode{"Group", 0640},
                                           Mode{"Everyone", 0644}, Mode{"GroupWrites", 0664},
                                           Mode{"Program", 0755}, Mode{"ReadOnly", 0444},
                                           Mode{"OwnerReadsOnly", 0400}, Mode{"SetGroupId", 02750}),
                         test::ParamName());

TEST_F(FileIo, ANewFileGetsWhatTheUmaskAllows) {
    const mode_t before = ::umask(027);
    ReplaceFile(dir / "new.qb", kNew);
    ::umask(before);
    EXPECT_EQ(Permissions(dir / "new.qb"), 0640u);
    EXPECT_EQ(ReadFile(dir / "new.qb"), kNew);
}

TEST_F(FileIo, RootKeepsTheOwnerAndGroupOfSomeoneElsesFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to someone else";
    }
    const fs::path file = dir / "b.qb";
    WriteFile(file, kOld);
    ASSERT_EQ(::chown(file.c_str(), test::NobodyUser(), test::NobodyGroup()), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ReplaceFile(file, kNew);
    const struct stat st = Stat(file);
    EXPECT_EQ(st.st_uid, test::NobodyUser());
    EXPECT_EQ(st.st_gid, test::NobodyGroup());
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFile(file), kNew);
}

TEST_F(FileIo, AnotherUsersFileThisUserMayWriteIsWrittenInPlaceAndStaysTheirs) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user";
    }
    // root's file, which nobody's group may write, in a folder everyone may write.
    fs::permissions(dir.path(), fs::perms::all);
    const fs::path file = dir / "shared.qb";
    WriteFile(file, kOld);
    ASSERT_EQ(::chown(file.c_str(), 0, test::NobodyGroup()), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0664), 0);
    const ino_t inode = Stat(file).st_ino;
    test::ExpectAsNobody([&] {
        ReplaceFile(file, kNew);
        const struct stat st = Stat(file);
        EXPECT_EQ(st.st_uid, 0u);
        EXPECT_EQ(st.st_gid, test::NobodyGroup());
        EXPECT_EQ(st.st_mode & 07777, 0664u);
        EXPECT_EQ(st.st_ino, inode);
        EXPECT_EQ(ReadFile(file), kNew);
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"shared.qb"});
    });
}

// Saved through the first link; the file is always real/b.qb.
struct Links {
    const char* name;
    std::vector<std::pair<const char*, const char*>> links;  // name, what it points to
    bool fileExists;
};

class ThroughLinks : public FileIo, public ::testing::WithParamInterface<Links> {};

TEST_P(ThroughLinks, TheLinksStayAndTheFileTheyNameGetsTheBytes) {
    ForBoth([](const fs::path& folder) {
        fs::create_directory(folder / "real");
        const fs::path file = folder / "real" / "b.qb";
        if (GetParam().fileExists) {
            WriteFile(file, kOld);
            ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
        }
        for (const auto& [name, target] : GetParam().links) {
            const fs::path to = std::string(target) == "ABSOLUTE" ? file : fs::path(target);
            fs::create_symlink(to, folder / name);
        }
        const std::vector<std::string> names = Names(folder);

        ReplaceFile(folder / GetParam().links.front().first, kNew);
        for (const auto& [name, target] : GetParam().links) {
            EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
        }
        EXPECT_EQ(ReadFile(file), kNew);
        if (GetParam().fileExists) {
            EXPECT_EQ(Permissions(file), 0640u);
        }
        EXPECT_EQ(Names(folder), names);
        EXPECT_EQ(Names(folder / "real"), std::vector<std::string>{"b.qb"});
    });
}

INSTANTIATE_TEST_SUITE_P(
    Links, ThroughLinks,
    ::testing::Values(Links{"Absolute", {{"link.qb", "ABSOLUTE"}}, true},
                      Links{"IntoAnotherFolder", {{"link.qb", "real/b.qb"}}, true},
                      Links{"Chain", {{"first.qb", "second.qb"}, {"second.qb", "real/b.qb"}}, true},
                      Links{"ToNoFileYet", {{"link.qb", "real/b.qb"}}, false}),
    test::ParamName());

TEST_F(FileIo, AFileWithOtherNamesIsWrittenInPlaceAndEveryNameSeesIt) {
    ForBoth([](const fs::path& folder) {
        const fs::path a = folder / "a.qb";
        const fs::path b = folder / "b.qb";
        WriteFile(a, kOld);
        fs::create_hard_link(a, b);
        ASSERT_EQ(::chmod(a.c_str(), 0640), 0);
        const ino_t inode = Stat(a).st_ino;

        const FileStamp stamp = ReplaceFile(a, kNew);
        EXPECT_EQ(ReadFile(b), kNew);
        EXPECT_EQ(Stat(b).st_ino, inode);
        EXPECT_EQ(Stat(a).st_nlink, 2u);
        EXPECT_EQ(Permissions(a), 0640u);
        EXPECT_EQ(stamp, StampFile(a));
        EXPECT_EQ(Names(folder), (std::vector<std::string>{"a.qb", "b.qb"}));
    });
}

TEST_F(FileIo, AReadOnlyFileIsWrittenOnlyWithConsentAndStaysReadOnly) {
    ForBoth([](const fs::path& folder) {
        for (const char* name : {"alone.qb", "linked.qb"}) {
            const fs::path file = folder / name;
            WriteFile(file, kOld);
            if (std::string(name) == "linked.qb") {
                fs::create_hard_link(file, folder / "other-name.qb");
            }
            ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
            EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew); }), Reason::ReadOnly);
            EXPECT_EQ(ReadFile(file), kOld);
            ReplaceFile(file, kNew, OverReadOnly());
            EXPECT_EQ(ReadFile(file), kNew) << name;
            EXPECT_EQ(Permissions(file), 0444u) << name;
        }
        EXPECT_EQ(ReadFile(folder / "other-name.qb"), kNew);
        EXPECT_EQ(Names(folder),
                  (std::vector<std::string>{"alone.qb", "linked.qb", "other-name.qb"}));
    });
}

TEST_F(FileIo, AFileThisUserMayNotChangeIsRefusedEvenWithConsent) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user";
    }
    // root's files in a folder everyone may write, where a rename would replace them.
    fs::permissions(dir.path(), fs::perms::all);
    const std::vector<std::pair<const char*, unsigned>> files = {
        {"everyone-reads.qb", 0644}, {"read-only.qb", 0444}, {"root-group-writes.qb", 0664}};
    for (const auto& [name, permissions] : files) {
        WriteFile(dir / name, kOld);
        ASSERT_EQ(::chmod((dir / name).c_str(), permissions), 0);
    }
    const std::vector<std::string> names = Names(dir.path());
    test::ExpectAsNobody([&] {
        for (const auto& file : files) {
            const fs::path path = dir / file.first;
            EXPECT_EQ(FailureOf([&] { ReplaceFile(path, kNew, OverReadOnly()); }),
                      Reason::NotAllowed)
                << path;
            EXPECT_EQ(ReadFile(path), kOld) << path;
            EXPECT_EQ(Stat(path).st_uid, 0u) << path;
        }
        EXPECT_EQ(Names(dir.path()), names);
    });
}

// A change another program makes after the stamp; the stamp is of the file holding kOld.
struct Change {
    const char* name;
    void (*make)(const fs::path& file);
    Reason reason;
};

class ChangedSinceStamp : public FileIo, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangedSinceStamp, IsRefusedAndLeftAsItIs) {
    ForBoth([](const fs::path& folder) {
        const fs::path file = folder / "b.qb";
        const FileStamp stamp = ReplaceFile(file, kOld);
        EXPECT_EQ(stamp, StampFile(file));
        GetParam().make(file);
        const std::string left = fs::is_regular_file(file) ? ReadFile(file) : "";
        const std::vector<std::string> names = Names(folder);

        WriteOptions options;
        options.unchangedSince = stamp;
        EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew, options); }), GetParam().reason);
        EXPECT_EQ(fs::is_regular_file(file) ? ReadFile(file) : "", left);
        EXPECT_EQ(Names(folder), names);
    });
}

// The time a change of contents or size leaves, so that only the named thing differs.
void KeepingTime(const fs::path& file, const std::function<void()>& change) {
    const auto time = fs::last_write_time(file);
    change();
    fs::last_write_time(file, time);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedSinceStamp,
    ::testing::Values(
        Change{"ContentsOnly",
               [](const fs::path& f) {
                   KeepingTime(f, [&] { WriteFile(f, Pattern("a colleague's bank\n", 20000)); });
               },
               Reason::Changed},
        Change{"SizeOnly",
               [](const fs::path& f) { KeepingTime(f, [&] { WriteFile(f, kOld + "x"); }); },
               Reason::Changed},
        Change{"TimeOnly",
               [](const fs::path& f) {
                   fs::last_write_time(f, fs::last_write_time(f) + std::chrono::seconds(1));
               },
               Reason::Changed},
        Change{"ReplacedByACopy",
               [](const fs::path& f) {
                   const fs::path copy = f.string() + ".copy";
                   WriteFile(copy, kOld);
                   fs::last_write_time(copy, fs::last_write_time(f));
                   fs::rename(copy, f);
               },
               Reason::Changed},
        Change{"BecameAFolder",
               [](const fs::path& f) {
                   fs::remove(f);
                   fs::create_directory(f);
               },
               Reason::Changed},
        Change{"Removed", [](const fs::path& f) { fs::remove(f); }, Reason::Gone}),
    test::ParamName());

TEST_F(FileIo, ItsOwnWritesAreNoChange) {
    const fs::path file = dir / "b.qb";
    WriteOptions options;
    options.unchangedSince = StampFile(file);
    EXPECT_FALSE(options.unchangedSince->exists);
    for (const std::string& bytes : {kOld, kNew, kOld}) {
        options.unchangedSince = ReplaceFile(file, bytes, options);
        EXPECT_EQ(ReadFile(file), bytes);
    }
}

TEST_F(FileIo, TheFileThenItsFolderAreSyncedBeforeItReturns) {
    std::vector<WriteStep> steps;
    WriteOptions options;
    options.beforeStep = [&steps](WriteStep step) {
        steps.push_back(step);
        return 0;
    };
    ReplaceFile(dir / "a.qb", kOld, options);
    EXPECT_EQ(steps,
              (std::vector<WriteStep>{WriteStep::Create, WriteStep::Write, WriteStep::SyncFile,
                                      WriteStep::Rename, WriteStep::SyncFolder}));
    fs::create_hard_link(dir / "a.qb", dir / "b.qb");
    steps.clear();
    ReplaceFile(dir / "a.qb", kNew, options);
    EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::CopyOld, WriteStep::Write,
                                             WriteStep::SyncFile, WriteStep::SyncFolder}));
}

TEST_F(FileIo, AFolderTheSystemDoesNotConfirmIsReported) {
    WriteFile(dir / "b.qb", kOld);
    EXPECT_EQ(
        FailureOf([&] { ReplaceFile(dir / "b.qb", kNew, FailingAt(WriteStep::SyncFolder, EIO)); }),
        Reason::Unsynced);
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"b.qb"});
}

struct Failure {
    const char* name;
    bool linked;  // a second name, so the file is written in place
    WriteStep step;
    int err;
    Reason reason;
};

class FailedWrite : public FileIo, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailedWrite, LeavesTheOldFileByteForByteAndNothingBeside) {
    ForBoth([](const fs::path& folder) {
        const fs::path file = folder / "b.qb";
        WriteFile(file, kOld);
        if (GetParam().linked) {
            fs::create_hard_link(file, folder / "other.qb");
        }
        ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
        const ino_t inode = Stat(file).st_ino;
        const std::vector<std::string> names = Names(folder);

        EXPECT_EQ(
            FailureOf([&] { ReplaceFile(file, kNew, FailingAt(GetParam().step, GetParam().err)); }),
            GetParam().reason);
        EXPECT_EQ(ReadFile(file), kOld);
        EXPECT_EQ(Stat(file).st_ino, inode);
        EXPECT_EQ(Permissions(file), 0640u);
        EXPECT_EQ(Names(folder), names);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedWrite,
    ::testing::Values(
        Failure{"FullDiskOnCreate", false, WriteStep::Create, ENOSPC, Reason::NoSpace},
        Failure{"FolderGoneOnCreate", false, WriteStep::Create, ENOENT, Reason::NoFolder},
        Failure{"FolderForbidsNewFiles", false, WriteStep::Create, EACCES, Reason::NotAllowed},
        Failure{"FullDiskHalfway", false, WriteStep::Write, ENOSPC, Reason::NoSpace},
        Failure{"QuotaOnSync", false, WriteStep::SyncFile, EDQUOT, Reason::NoSpace},
        Failure{"DiskErrorOnSync", false, WriteStep::SyncFile, EIO, Reason::Other},
        Failure{"RenameFails", false, WriteStep::Rename, EIO, Reason::Other},
        Failure{"InPlaceNoRoomForTheCopy", true, WriteStep::CopyOld, ENOSPC, Reason::NoSpace},
        Failure{"InPlaceFullDiskHalfway", true, WriteStep::Write, ENOSPC, Reason::NoSpace},
        Failure{"InPlaceDiskErrorOnSync", true, WriteStep::SyncFile, EIO, Reason::Other}),
    test::ParamName());

TEST_F(FileIo, OldContentsThatCannotBePutBackAreKeptBesideAndNamed) {
    ForBoth([](const fs::path& folder) {
        const fs::path file = folder / "b.qb";
        WriteFile(file, kOld);
        fs::create_hard_link(file, folder / "other.qb");
        WriteOptions options;
        options.beforeStep = [](WriteStep step) {
            return step == WriteStep::Write ? ENOSPC : step == WriteStep::PutBack ? EIO : 0;
        };
        try {
            ReplaceFile(file, kNew, options);
            ADD_FAILURE() << "written";
        } catch (const WriteError& e) {
            EXPECT_EQ(e.reason(), Reason::CopyKept);
            EXPECT_EQ(ReadFile(e.copy()), kOld);
            EXPECT_EQ(e.copy().parent_path(), folder);
            EXPECT_NE(std::string(e.what()).find(e.copy().string()), std::string::npos);
            EXPECT_EQ(Names(folder),
                      (std::vector<std::string>{"b.qb", e.copy().filename().string(), "other.qb"}));
        }
    });
}

// Made by another program between opening and saving; real/b.qb is what is saved.
struct Vanished {
    const char* name;
    void (*make)(const fs::path& folder);
    const char* saved;
    Reason reason;
};

class VanishedPlace : public FileIo, public ::testing::WithParamInterface<Vanished> {};

TEST_P(VanishedPlace, IsToldAndNothingIsMade) {
    ForBoth([](const fs::path& folder) {
        fs::create_directory(folder / "real");
        WriteFile(folder / "real" / "b.qb", kOld);
        GetParam().make(folder);
        const std::vector<std::string> names = Names(folder);
        const std::vector<std::string> inside =
            fs::is_directory(folder / "real") ? Names(folder / "real") : std::vector<std::string>{};

        EXPECT_EQ(FailureOf([&] { ReplaceFile(folder / GetParam().saved, kNew); }),
                  GetParam().reason);
        EXPECT_EQ(Names(folder), names);
        EXPECT_EQ(
            fs::is_directory(folder / "real") ? Names(folder / "real") : std::vector<std::string>{},
            inside);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Places, VanishedPlace,
    ::testing::Values(Vanished{"FolderRemoved",
                               [](const fs::path& f) { fs::remove_all(f / "real"); }, "real/b.qb",
                               Reason::NoFolder},
                      Vanished{"FolderBecameAFile",
                               [](const fs::path& f) {
                                   fs::remove_all(f / "real");
                                   WriteFile(f / "real", "x");
                               },
                               "real/b.qb", Reason::NoFolder},
                      Vanished{"FileBecameAFolder",
                               [](const fs::path& f) {
                                   fs::remove(f / "real" / "b.qb");
                                   fs::create_directory(f / "real" / "b.qb");
                               },
                               "real/b.qb", Reason::IsFolder},
                      Vanished{"FileBecameAPipe",
                               [](const fs::path& f) {
                                   fs::remove(f / "real" / "b.qb");
                                   ASSERT_EQ(::mkfifo((f / "real" / "b.qb").c_str(), 0644), 0);
                               },
                               "real/b.qb", Reason::NotAFile}),
    test::ParamName());

// On a small disk of its own, filled up: only root may make one, in a mount
// namespace of the child's own so that nothing outside sees it.
TEST_F(FileIo, OnARealFullDiskTheOldFileStaysWhole) {
    constexpr int kNoDisk = 77;
    const fs::path disk = dir / "disk";
    fs::create_directory(disk);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
            std::_Exit(kNoDisk);
        }
        WriteFile(disk / "alone.qb", kOld);
        WriteFile(disk / "linked.qb", kOld);
        fs::create_hard_link(disk / "linked.qb", disk / "other.qb");
        {
            std::FILE* filler = std::fopen((disk / "filler").c_str(), "wb");
            const std::string block(4096, 'f');
            while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
                   std::fflush(filler) == 0) {
            }
            std::fclose(filler);
        }
        for (const char* name : {"alone.qb", "linked.qb"}) {
            EXPECT_EQ(FailureOf([&] { ReplaceFile(disk / name, kNew); }), Reason::NoSpace) << name;
            EXPECT_EQ(ReadFile(disk / name), kOld) << name;
        }
        EXPECT_EQ(Names(disk),
                  (std::vector<std::string>{"alone.qb", "filler", "linked.qb", "other.qb"}));
        std::fflush(nullptr);
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoDisk) {
        GTEST_SKIP() << "no right to mount a small disk here";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

}  // namespace
}  // namespace kletochka::authoring
