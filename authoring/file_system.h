// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's half of file_io: one header, one source file for each system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "authoring/file_io.h"

namespace kletochka::authoring::system {

// A file as the system describes it, links followed.
struct FileFacts {
    bool exists = false;
    bool folder = false;
    bool regular = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since 1970
    std::uint64_t links = 0;    // the file's names, hard links included
    unsigned permissions = 0;   // what a new file in its place must keep
    unsigned owner = 0;
    unsigned group = 0;
    bool writable = false;       // this user may write it and it is not marked read-only
    bool mayChangeMode = false;  // the file is this user's, or the user may change any file
    bool ownerKept = false;      // a new file made by this user may carry its owner and group
    bool readOnlyDisk = false;   // nothing on its disk may be written
};

// The system's own words for one of its error numbers: errno here, GetLastError() on Windows.
std::string SystemMessage(int err);

// Nothing there gives exists == false; an error other than a missing name is an Error.
FileFacts LookAt(const std::filesystem::path& path);

// At most limit bytes from the start of the file, or an Error naming it.
std::string ReadUpTo(const std::filesystem::path& path, std::size_t limit);

// A new file beside target with the bytes and old's permissions, owner and
// group (a new file's when !old.exists), synced and renamed over target, then
// the folder synced. A WriteError leaves target as it was and removes the new file.
FileFacts ReplaceWith(const std::filesystem::path& target, std::string_view bytes,
                      const FileFacts& old, const WriteOptions& options);

// Overwrites target where it is, so its other names and its owner stay; its
// old contents are first copied beside it and put back on failure.
FileFacts WriteInPlace(const std::filesystem::path& target, std::string_view bytes,
                       const FileFacts& old, const WriteOptions& options);

}  // namespace kletochka::authoring::system
