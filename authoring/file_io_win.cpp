// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Error numbers here are the system's own (GetLastError()); a test's injected
// errno is turned into the one the system would give. The file's attributes
// stand for its permissions; there is no owner or group to keep by hand, as
// ReplaceFileW keeps the old file's ACL and attributes on the new one.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <utility>

#include "file_system.h"

namespace kletochka::authoring::system {

namespace {

using Reason = WriteError::Reason;

// The attributes a new file in the old one's place must carry.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr DWORD kDiskQuotaExceeded = 1295;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

Reason ReasonFor(DWORD err) {
    switch (err) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case kDiskQuotaExceeded:
        case ERROR_FILE_TOO_LARGE:
            return Reason::NoSpace;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DIRECTORY:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return Reason::NoFolder;
        case ERROR_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return Reason::NotAllowed;
        case ERROR_WRITE_PROTECT:
            return Reason::ReadOnlyDisk;
        default:
            return Reason::Other;
    }
}

// What the system says where a test injects an errno.
DWORD SystemErrorFor(int err) {
    switch (err) {
        case ENOSPC:
            return ERROR_DISK_FULL;
        case EFBIG:
            return ERROR_FILE_TOO_LARGE;
        case ENOENT:
            return ERROR_PATH_NOT_FOUND;
        case ENOTDIR:
            return ERROR_DIRECTORY;
        case EACCES:
        case EPERM:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case EBUSY:
            return ERROR_SHARING_VIOLATION;
        case EIO:
            return ERROR_IO_DEVICE;
        default:
            return ERROR_GEN_FAILURE;
    }
}

[[noreturn]] void Fail(const std::filesystem::path& path, DWORD err) {
    throw WriteError(ReasonFor(err), path, static_cast<int>(err));
}

[[noreturn]] void FailRead(const std::filesystem::path& path, DWORD err) {
    using Why = ReadError::Reason;
    Why why = Why::Other;
    switch (err) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            why = Why::Missing;
            break;
        case ERROR_ACCESS_DENIED:
            why = Why::NotAllowed;
            break;
        default:
            break;
    }
    throw ReadError(why, static_cast<int>(err),
                    "cannot read " + path.string() + ": " + SystemMessage(static_cast<int>(err)));
}

// The system's error a test has the step fail with; 0 to go on.
DWORD Injected(const WriteOptions& options, WriteStep step) {
    const int err = options.beforeStep ? options.beforeStep(step) : 0;
    return err != 0 ? SystemErrorFor(err) : 0;
}

// Makes a system call unless a test fails its step first; false with the last error set when
// either fails.
template <typename Call>
bool Step(const WriteOptions& options, WriteStep step, Call&& call) {
    if (const DWORD err = Injected(options, step)) {
        ::SetLastError(err);
        return false;
    }
    return call();
}

// An open handle that is closed on every path.
class Handle {
  public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    Handle(Handle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&& other) noexcept {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~Handle() {
        if (valid()) {
            ::CloseHandle(m_handle);
        }
    }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    // Closes it where a failure can be reported; false with the last error set.
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

  private:
    HANDLE m_handle;
};

Handle Open(const std::wstring& name, DWORD access, DWORD share, DWORD disposition,
            DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return Handle(::CreateFileW(name.c_str(), access, share, nullptr, disposition, flags, nullptr));
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// Writes bytes from the start of the file; 0, or the error it failed with. An
// injected failure comes halfway, as a disk that fills up does.
DWORD WriteAll(HANDLE file, std::string_view bytes, DWORD injected = 0) {
    std::string_view todo = injected != 0 ? bytes.substr(0, bytes.size() / 2) : bytes;
    std::uint64_t offset = 0;
    while (!todo.empty()) {
        constexpr std::size_t kMostAtOnce = 1 << 20;
        const DWORD chunk = static_cast<DWORD>(std::min(todo.size(), kMostAtOnce));
        DWORD written = 0;
        OVERLAPPED at = At(offset);
        if (!::WriteFile(file, todo.data(), chunk, &written, &at)) {
            return ::GetLastError();
        }
        todo.remove_prefix(written);
        offset += written;
    }
    return injected;
}

// Cuts the file to size bytes; 0 or the error.
DWORD CutAt(HANDLE file, std::size_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) {
        return ::GetLastError();
    }
    return 0;
}

// 0 and the whole file from its start in bytes, or the error reading failed with.
DWORD ReadAll(HANDLE file, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        OVERLAPPED at = At(bytes.size());
        if (!::ReadFile(file, buffer, sizeof buffer, &n, &at)) {
            const DWORD err = ::GetLastError();
            return err == ERROR_HANDLE_EOF ? 0 : err;
        }
        if (n == 0) {
            return 0;
        }
        bytes.append(buffer, n);
    }
}

std::int64_t NanosecondsSince1970(FILETIME time) {
    constexpr std::int64_t k1601To1970 = 116'444'736'000'000'000;  // in 100 ns
    const std::int64_t ticks =
        static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
    return (ticks - k1601To1970) * 100;
}

FileFacts FactsOf(const BY_HANDLE_FILE_INFORMATION& info) {
    FileFacts facts;
    facts.exists = true;
    facts.folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.regular = !facts.folder && (info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
    facts.device = info.dwVolumeSerialNumber;
    facts.inode = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    facts.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    facts.modified = NanosecondsSince1970(info.ftLastWriteTime);
    facts.links = info.nNumberOfLinks;
    facts.permissions = info.dwFileAttributes & kKeptAttributes;
    // ReplaceFileW gives the new file the old one's ACL; nothing for this user to lose.
    facts.ownerKept = true;
    return facts;
}

// Facts from the name alone, for a file that cannot be opened even to look at it.
FileFacts FactsOf(const WIN32_FILE_ATTRIBUTE_DATA& data) {
    BY_HANDLE_FILE_INFORMATION info{};
    info.dwFileAttributes = data.dwFileAttributes;
    info.ftLastWriteTime = data.ftLastWriteTime;
    info.nFileSizeHigh = data.nFileSizeHigh;
    info.nFileSizeLow = data.nFileSizeLow;
    info.nNumberOfLinks = 1;
    return FactsOf(info);
}

bool Missing(DWORD err) {
    return err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND || err == ERROR_DIRECTORY ||
           err == ERROR_INVALID_DRIVE || err == ERROR_BAD_NETPATH || err == ERROR_BAD_NET_NAME;
}

// Whether this user could open the file with access: a file another program holds open
// without sharing is still this user's to write once that program lets it go.
bool MayOpen(const std::wstring& name, DWORD access, DWORD* err = nullptr) {
    const Handle handle = Open(name, access, kShareAll, OPEN_EXISTING);
    const DWORD why = handle.valid() ? 0 : ::GetLastError();
    if (err != nullptr) {
        *err = why;
    }
    return why == 0 || why == ERROR_SHARING_VIOLATION || why == ERROR_LOCK_VIOLATION;
}

// The facts of an open file; false with the last error set.
bool Describe(HANDLE file, FileFacts& facts) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) {
        return false;
    }
    facts = FactsOf(info);
    return true;
}

// A name beside target, in the manner of target.abc123, that no file had when asked.
std::wstring NameBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> asked{0};
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    unsigned mix = static_cast<unsigned>(now.QuadPart) ^ (::GetCurrentProcessId() << 16) ^
                   (asked++ * 2654435761u);
    std::wstring name = target.native() + L".";
    for (int i = 0; i < 6; ++i, mix /= 36) {
        name += L"abcdefghijklmnopqrstuvwxyz0123456789"[mix % 36];
    }
    return name;
}

// A new empty file beside target, open to be written, and its name.
Handle CreateBeside(const std::filesystem::path& target, std::wstring& name) {
    for (int tries = 0; tries < 100; ++tries) {
        name = NameBeside(target);
        Handle handle = Open(name, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
        if (handle.valid() || ::GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    return Handle(INVALID_HANDLE_VALUE);
}

// A file made beside the target, closed and removed when this goes out of scope unless kept:
// a file still open cannot be removed.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring name = {}) : m_name(std::move(name)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { remove(); }

    // A new empty file beside target, open to be written; false with the last error set.
    bool create(const std::filesystem::path& target) {
        m_handle = CreateBeside(target, m_name);
        if (!m_handle.valid()) {
            m_name.clear();
        }
        return m_handle.valid();
    }
    HANDLE get() const { return m_handle.get(); }
    const std::wstring& name() const { return m_name; }
    bool close() { return m_handle.close(); }
    void keep() { m_name.clear(); }
    void remove() {
        m_handle = Handle(INVALID_HANDLE_VALUE);
        if (!m_name.empty()) {
            ::DeleteFileW(m_name.c_str());
            m_name.clear();
        }
    }

  private:
    Handle m_handle{INVALID_HANDLE_VALUE};
    std::wstring m_name;
};

// The read-only attribute lifted for as long as this lives, when it was set.
class LiftedReadOnly {
  public:
    LiftedReadOnly(const std::wstring& name, const FileFacts& old) : m_name(name) {
        if (old.exists && (old.permissions & FILE_ATTRIBUTE_READONLY) != 0) {
            m_attributes = ::GetFileAttributesW(name.c_str());
            if (m_attributes == INVALID_FILE_ATTRIBUTES ||
                !::SetFileAttributesW(name.c_str(), m_attributes & ~FILE_ATTRIBUTE_READONLY)) {
                m_failed = ::GetLastError();
                m_attributes = INVALID_FILE_ATTRIBUTES;
            }
        }
    }
    LiftedReadOnly(const LiftedReadOnly&) = delete;
    LiftedReadOnly& operator=(const LiftedReadOnly&) = delete;
    ~LiftedReadOnly() { restore(); }
    // The error lifting it failed with, 0 when it did not.
    DWORD failed() const { return m_failed; }
    void restore() {
        if (m_attributes != INVALID_FILE_ATTRIBUTES) {
            ::SetFileAttributesW(m_name.c_str(), m_attributes);
            m_attributes = INVALID_FILE_ATTRIBUTES;
        }
    }

  private:
    std::wstring m_name;
    DWORD m_attributes = INVALID_FILE_ATTRIBUTES;
    DWORD m_failed = 0;
};

// The folder's names stored; a file system that cannot flush a folder, or a
// folder this user may not open for it, is left to the system.
void SyncFolder(const std::filesystem::path& file, const WriteOptions& options) {
    const std::filesystem::path parent = file.parent_path();
    const std::wstring folder = parent.empty() ? L"." : parent.native();
    const Handle handle =
        Open(folder, GENERIC_WRITE, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (!handle.valid() && ::GetLastError() == ERROR_ACCESS_DENIED) {
        return;
    }
    const bool synced = handle.valid() && Step(options, WriteStep::SyncFolder, [&] {
                            return ::FlushFileBuffers(handle.get()) != 0;
                        });
    const DWORD err = synced ? 0 : ::GetLastError();
    if (err != 0 && err != ERROR_INVALID_FUNCTION && err != ERROR_INVALID_PARAMETER &&
        err != ERROR_ACCESS_DENIED) {
        throw WriteError(Reason::Unsynced, file, static_cast<int>(err));
    }
}

// Puts the new file in the old one's place; 0, or the error that left the old file where and
// as it was.
DWORD PutInPlace(const std::filesystem::path& target, const std::wstring& temp,
                 const FileFacts& old) {
    if (!old.exists) {
        const bool moved = ::MoveFileExW(temp.c_str(), target.c_str(),
                                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        return moved ? 0 : ::GetLastError();
    }
    // A read-only file may not be replaced; the new one takes its attributes, read-only too.
    const LiftedReadOnly lifted(target.native(), old);
    if (lifted.failed() != 0) {
        return lifted.failed();
    }
    // The old file goes to a name of our own, so that a failure halfway can bring it back.
    std::wstring backup = NameBeside(target);
    while (::GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES) {
        backup = NameBeside(target);
    }
    const TemporaryFile backupName(backup);
    if (::ReplaceFileW(target.c_str(), temp.c_str(), backup.c_str(),
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return 0;
    }
    const DWORD err = ::GetLastError();
    if (err == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file is under the backup's name: it goes back to its own.
        ::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    return err;
}

}  // namespace

std::string SystemMessage(int err) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(err), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text != nullptr ? text : L"", length);
    ::LocalFree(text);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' ||
                              words.back() == L' ' || words.back() == L'.')) {
        words.pop_back();
    }
    if (words.empty()) {
        return "error " + std::to_string(static_cast<DWORD>(err));
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, words.data(), static_cast<int>(words.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, words.data(), static_cast<int>(words.size()), utf8.data(),
                          size, nullptr, nullptr);
    return utf8;
}

FileFacts LookAt(const std::filesystem::path& path) {
    const std::wstring& name = path.native();
    FileFacts facts;
    // Opened only to be looked at, which follows links and leaves other programs be.
    const Handle handle =
        Open(name, FILE_READ_ATTRIBUTES, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (!handle.valid() || !Describe(handle.get(), facts)) {
        const DWORD err = ::GetLastError();
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (Missing(err)) {
            return {};
        }
        if (!::GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) {
            const DWORD again = ::GetLastError();
            if (Missing(again)) {
                return {};
            }
            Fail(path, again);
        }
        facts = FactsOf(data);
    }
    if (facts.regular) {
        DWORD err = 0;
        const bool allowed = MayOpen(name, FILE_WRITE_DATA, &err);
        const bool markedReadOnly = (facts.permissions & FILE_ATTRIBUTE_READONLY) != 0;
        facts.readOnlyDisk = err == ERROR_WRITE_PROTECT;
        facts.writable = allowed && !markedReadOnly;
        // The mark forbids writing whatever the ACL says, so only lifting it tells more.
        facts.mayChangeMode = markedReadOnly ? MayOpen(name, FILE_WRITE_ATTRIBUTES) : allowed;
    }
    return facts;
}

std::string ReadUpTo(const std::filesystem::path& path, std::size_t limit) {
    const Handle handle = Open(path.native(), GENERIC_READ, kShareAll, OPEN_EXISTING);
    if (!handle.valid()) {
        FailRead(path, ::GetLastError());
    }
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < limit) {
        DWORD n = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit - bytes.size()));
        if (!::ReadFile(handle.get(), buffer, wanted, &n, nullptr)) {
            FailRead(path, ::GetLastError());
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, n);
    }
    return bytes;
}

FileFacts ReplaceWith(const std::filesystem::path& target, std::string_view bytes,
                      const FileFacts& old, const WriteOptions& options) {
    TemporaryFile temp;
    if (!Step(options, WriteStep::Create, [&] { return temp.create(target); })) {
        Fail(target, ::GetLastError());
    }
    if (const DWORD err = WriteAll(temp.get(), bytes, Injected(options, WriteStep::Write))) {
        Fail(target, err);
    }
    if (!Step(options, WriteStep::SyncFile, [&] { return ::FlushFileBuffers(temp.get()) != 0; })) {
        Fail(target, ::GetLastError());
    }
    FileFacts facts;
    if (!Describe(temp.get(), facts) || !temp.close()) {
        Fail(target, ::GetLastError());
    }
    if (!Step(options, WriteStep::Rename, [&] {
            ::SetLastError(PutInPlace(target, temp.name(), old));
            return ::GetLastError() == 0;
        })) {
        Fail(target, ::GetLastError());
    }
    temp.keep();
    // The new file's time and identity as the folder now tells them, the old attributes merged in.
    try {
        facts = LookAt(target);
    } catch (const Error&) {
    }
    SyncFolder(target, options);
    return facts;
}

FileFacts WriteInPlace(const std::filesystem::path& target, std::string_view bytes,
                       const FileFacts& old, const WriteOptions& options) {
    Handle handle(INVALID_HANDLE_VALUE);
    DWORD opened = 0;
    {
        // The owner of a read-only file lifts its protection only for as long as opening takes.
        const LiftedReadOnly lifted(target.native(), old);
        opened = lifted.failed();
        if (opened == 0) {
            handle =
                Open(target.native(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING);
            opened = handle.valid() ? 0 : ::GetLastError();
        }
    }
    if (opened != 0) {
        Fail(target, opened);
    }
    std::string before;
    if (const DWORD err = ReadAll(handle.get(), before)) {
        Fail(target, err);
    }
    // What a crash halfway leaves to recover from.
    TemporaryFile copy;
    if (!Step(options, WriteStep::CopyOld, [&] { return copy.create(target); })) {
        Fail(target, ::GetLastError());
    }
    if (const DWORD err = WriteAll(copy.get(), before)) {
        Fail(target, err);
    }
    if (!::FlushFileBuffers(copy.get()) || !copy.close()) {
        Fail(target, ::GetLastError());
    }

    DWORD err = WriteAll(handle.get(), bytes, Injected(options, WriteStep::Write));
    if (err == 0) {
        err = CutAt(handle.get(), bytes.size());
    }
    if (err == 0 && !Step(options, WriteStep::SyncFile,
                          [&] { return ::FlushFileBuffers(handle.get()) != 0; })) {
        err = ::GetLastError();
    }
    if (err != 0) {
        const bool putBack = Step(options, WriteStep::PutBack, [&] {
            return WriteAll(handle.get(), before) == 0 && CutAt(handle.get(), before.size()) == 0 &&
                   ::FlushFileBuffers(handle.get()) != 0;
        });
        if (!putBack) {
            const std::filesystem::path kept = copy.name();
            copy.keep();
            throw WriteError(Reason::CopyKept, target, static_cast<int>(err), kept);
        }
        Fail(target, err);
    }
    FileFacts facts;
    if (!Describe(handle.get(), facts)) {
        Fail(target, ::GetLastError());
    }
    copy.remove();
    SyncFolder(target, options);
    return facts;
}

}  // namespace kletochka::authoring::system
