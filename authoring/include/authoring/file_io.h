// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bank/error.h"

namespace kletochka::authoring {

// Why a file was not read; what() says so in words and names the file.
class ReadError : public Error {
  public:
    enum class Reason {
        Missing,     // nothing has that name, or its folder does not exist
        NotAllowed,  // this user may not read it
        IsFolder,    // a folder has the file's name
        TooLarge,    // more bytes than the reader takes
        Other,
    };

    ReadError(Reason reason, int systemError, const std::string& message)
        : Error(message), m_reason(reason), m_error(systemError) {}
    Reason reason() const { return m_reason; }
    // The system's error number, 0 when the system did not refuse anything.
    int systemError() const { return m_error; }

  private:
    Reason m_reason;
    int m_error;
};

// The whole file, or a ReadError naming it; more than limit bytes is an error
// too, so a device or a pipe that never ends cannot hang the tool.
std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit);

// The system's own words for one of its error numbers (errno, or GetLastError()
// on Windows), in the user's language where the system has them.
std::string SystemWords(int err);

// A file as it was when it was read or written, to tell later whether another
// program has changed it since: its identity, size, time and contents.
struct FileStamp {
    bool exists = false;
    bool folder = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;  // a file renamed over it is another file
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since 1970
    std::uint64_t digest = 0;   // of the first kStampedBytes; 0 when it cannot be read

    bool operator==(const FileStamp&) const = default;
};

// Contents past this are left to the size and the time.
inline constexpr std::size_t kStampedBytes = 16 * 1024 * 1024;

// The file at path (a symbolic link followed) as it is now; nothing there gives exists == false.
FileStamp StampFile(const std::filesystem::path& path);

// Why a file was not written; what() says so in words and names the file.
class WriteError : public Error {
  public:
    enum class Reason {
        ReadOnly,      // marked read-only, and this user may lift that: ask first
        NotAllowed,    // this user may not change the file or create one in its folder
        Changed,       // another program changed the file since it was stamped
        Gone,          // another program removed or renamed the file since it was stamped
        NoSpace,       // the disk or the user's quota is full
        NoFolder,      // the folder the file should be in does not exist
        IsFolder,      // a folder has the file's name
        NotAFile,      // a device, a pipe or some other thing that is not a plain file
        ReadOnlyDisk,  // the whole disk may not be written
        Unsynced,      // written, but the system did not confirm it is stored
        CopyKept,      // failed halfway and could not put the old contents back: see copy()
        Other,
    };

    WriteError(Reason reason, std::filesystem::path file, int systemError = 0,
               std::filesystem::path copy = {});
    Reason reason() const { return m_reason; }
    const std::filesystem::path& file() const { return m_file; }
    // The system's error number, 0 when the system did not refuse anything.
    int systemError() const { return m_error; }
    // Where the old contents are kept when they could not be put back.
    const std::filesystem::path& copy() const { return m_copy; }

  private:
    Reason m_reason;
    std::filesystem::path m_file;
    int m_error;
    std::filesystem::path m_copy;
};

// The points where writing a file can fail, for tests to fail one on purpose.
enum class WriteStep {
    Create,      // a new file beside the old one
    CopyOld,     // the old contents put beside the file before it is overwritten in place
    Write,       // the new contents
    SyncFile,    // the new contents stored on the disk
    Rename,      // the new file put in place of the old one
    PutBack,     // the old contents written back after a failure in place
    SyncFolder,  // the folder's list of names stored on the disk
};

struct WriteOptions {
    // When set, the file must still be as stamped, else Changed or Gone and nothing written.
    std::optional<FileStamp> unchangedSince;
    // Writes over a read-only file that this user may change; it stays read-only.
    bool overReadOnly = false;
    // Called before each step; a nonzero errno makes the step fail as the system would.
    std::function<int(WriteStep)> beforeStep;
};

// Writes bytes to path all or nothing, the file and its folder synced before it
// returns; an Error leaves the old file byte for byte as it was and nothing
// beside it. The file keeps its permissions, owner and group; a symbolic link
// stays a link and the file it names gets the bytes. A file with other hard
// links, or whose owner or group this user cannot give a new file, is
// overwritten in place, a copy of its old contents kept beside it until the new
// ones are stored. Gives the stamp of what it wrote.
FileStamp ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                      const WriteOptions& options = {});

// True when both name one existing file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace kletochka::authoring
