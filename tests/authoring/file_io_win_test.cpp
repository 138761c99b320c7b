// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file on Windows never loses the old one, its attributes or its other names.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h spells its own ReplaceFile as a macro; ours is meant here.
#undef ReplaceFile

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

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
const std::string kOld = Pattern("old text of the bank\r\n", 20000);
const std::string kNew = Pattern("NEW", 18144);

DWORD Attributes(const fs::path& path) {
    return ::GetFileAttributesW(path.c_str());
}

void SetAttributes(const fs::path& path, DWORD attributes) {
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), attributes)) << path;
}

BY_HANDLE_FILE_INFORMATION Info(const fs::path& path) {
    BY_HANDLE_FILE_INFORMATION info{};
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(::GetFileInformationByHandle(file, &info)) << path;
    ::CloseHandle(file);
    return info;
}

class FileIo : public ::testing::Test {
  protected:
    test::TempDir dir;

    // b.qb holding kOld, with a second name when linked, so that it is written in place.
    fs::path OldFile(bool linked) {
        const fs::path file = dir / "b.qb";
        WriteFile(file, kOld);
        if (linked) {
            EXPECT_TRUE(::CreateHardLinkW((dir / "other.qb").c_str(), file.c_str(), nullptr));
        }
        return file;
    }
};

TEST_F(FileIo, ReadOnlyNeedsConsentAndTheAttributesStayAlsoInPlace) {
    for (const bool linked : {false, true}) {
        const fs::path file = OldFile(linked);
        const DWORD marked = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
        SetAttributes(file, marked);
        EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew); }), Reason::ReadOnly) << linked;
        EXPECT_EQ(ReadFile(file), kOld);

        const FileStamp stamp = ReplaceFile(file, kNew, OverReadOnly());
        EXPECT_EQ(ReadFile(file), kNew) << linked;
        EXPECT_EQ(Attributes(file) & marked, marked) << linked;
        EXPECT_EQ(stamp, StampFile(file)) << linked;
        const std::vector<std::string> names = linked ? std::vector<std::string>{"b.qb", "other.qb"}
                                                      : std::vector<std::string>{"b.qb"};
        EXPECT_EQ(Names(dir.path()), names);
        SetAttributes(file, FILE_ATTRIBUTE_NORMAL);
        fs::remove(file);
        fs::remove(dir / "other.qb");
    }
}

TEST_F(FileIo, AFileWithOtherNamesIsWrittenInPlaceAndEveryNameSeesIt) {
    const fs::path file = OldFile(true);
    const BY_HANDLE_FILE_INFORMATION before = Info(file);
    const FileStamp stamp = ReplaceFile(file, kNew);
    const BY_HANDLE_FILE_INFORMATION after = Info(dir / "other.qb");
    EXPECT_EQ(ReadFile(dir / "other.qb"), kNew);
    EXPECT_EQ(after.nFileIndexLow, before.nFileIndexLow);
    EXPECT_EQ(after.nFileIndexHigh, before.nFileIndexHigh);
    EXPECT_EQ(after.nNumberOfLinks, 2u);
    EXPECT_EQ(stamp, StampFile(file));
}

TEST_F(FileIo, ItsOwnWritesAreNoChangeAndAnotherProgramsAre) {
    const fs::path file = dir.path() / u8"Вопросы 7Б.qb";
    WriteOptions options;
    options.unchangedSince = StampFile(file);
    EXPECT_FALSE(options.unchangedSince->exists);
    for (const std::string& bytes : {kOld, kNew, kOld}) {
        options.unchangedSince = ReplaceFile(file, bytes, options);
        EXPECT_EQ(ReadFile(file), bytes);
    }
    // A colleague's bank of the same size, the time put back.
    const auto time = fs::last_write_time(file);
    WriteFile(file, Pattern("a colleague's bank\r\n", kOld.size()));
    fs::last_write_time(file, time);
    EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew, options); }), Reason::Changed);
    fs::remove(file);
    EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew, options); }), Reason::Gone);
}

TEST_F(FileIo, TheFileThenItsFolderAreSyncedBeforeItReturns) {
    std::vector<WriteStep> steps;
    WriteOptions options;
    options.beforeStep = [&steps](WriteStep step) {
        steps.push_back(step);
        return 0;
    };
    for (const bool exists : {false, true}) {
        steps.clear();
        ReplaceFile(dir / "a.qb", exists ? kNew : kOld, options);
        EXPECT_EQ(steps,
                  (std::vector<WriteStep>{WriteStep::Create, WriteStep::Write, WriteStep::SyncFile,
                                          WriteStep::Rename, WriteStep::SyncFolder}));
    }
    EXPECT_EQ(ReadFile(dir / "a.qb"), kNew);
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"a.qb"});
}

// A file another program holds open without sharing, as a spreadsheet does.
TEST_F(FileIo, AFileOpenElsewhereIsLeftWholeAndNotCalledForbidden) {
    for (const bool linked : {false, true}) {
        const fs::path file = OldFile(linked);
        const HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const std::vector<std::string> names = Names(dir.path());
        EXPECT_EQ(FailureOf([&] { ReplaceFile(file, kNew); }), Reason::Other) << linked;
        EXPECT_EQ(Names(dir.path()), names);
        ::CloseHandle(held);
        EXPECT_EQ(ReadFile(file), kOld);
        ReplaceFile(file, kNew);
        EXPECT_EQ(ReadFile(file), kNew);
        fs::remove(file);
        fs::remove(dir / "other.qb");
    }
}

TEST_F(FileIo, NoFolderAndAFolderInTheWayAreTold) {
    EXPECT_EQ(FailureOf([&] { ReplaceFile(dir / "gone" / "b.qb", kNew); }), Reason::NoFolder);
    fs::create_directory(dir / "b.qb");
    EXPECT_EQ(FailureOf([&] { ReplaceFile(dir / "b.qb", kNew); }), Reason::IsFolder);
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"b.qb"});
}

struct Failure {
    const char* name;
    bool linked;
    WriteStep step;
    int err;
    Reason reason;
};

class FailedWrite : public FileIo, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailedWrite, LeavesTheOldFileByteForByteAndNothingBeside) {
    const fs::path file = OldFile(GetParam().linked);
    SetAttributes(file, FILE_ATTRIBUTE_HIDDEN);
    const BY_HANDLE_FILE_INFORMATION before = Info(file);
    const std::vector<std::string> names = Names(dir.path());

    EXPECT_EQ(
        FailureOf([&] { ReplaceFile(file, kNew, FailingAt(GetParam().step, GetParam().err)); }),
        GetParam().reason);
    EXPECT_EQ(ReadFile(file), kOld);
    EXPECT_EQ(Info(file).nFileIndexLow, before.nFileIndexLow);
    EXPECT_EQ(Attributes(file) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_EQ(Names(dir.path()), names);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedWrite,
    ::testing::Values(
        Failure{"FullDiskOnCreate", false, WriteStep::Create, ENOSPC, Reason::NoSpace},
        Failure{"FolderGoneOnCreate", false, WriteStep::Create, ENOENT, Reason::NoFolder},
        Failure{"FolderForbidsNewFiles", false, WriteStep::Create, EACCES, Reason::NotAllowed},
        Failure{"FullDiskHalfway", false, WriteStep::Write, ENOSPC, Reason::NoSpace},
        Failure{"DiskErrorOnSync", false, WriteStep::SyncFile, EIO, Reason::Other},
        Failure{"ReplaceFails", false, WriteStep::Rename, EBUSY, Reason::Other},
        Failure{"InPlaceNoRoomForTheCopy", true, WriteStep::CopyOld, ENOSPC, Reason::NoSpace},
        Failure{"InPlaceFullDiskHalfway", true, WriteStep::Write, ENOSPC, Reason::NoSpace},
        Failure{"InPlaceDiskErrorOnSync", true, WriteStep::SyncFile, EIO, Reason::Other}),
    test::ParamName());

TEST_F(FileIo, OldContentsThatCannotBePutBackAreKeptBesideAndNamed) {
    const fs::path file = OldFile(true);
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
        EXPECT_EQ(e.copy().parent_path(), dir.path());
        EXPECT_EQ(Names(dir.path()),
                  (std::vector<std::string>{"b.qb", e.copy().filename().string(), "other.qb"}));
    }
}

}  // namespace
}  // namespace kletochka::authoring
