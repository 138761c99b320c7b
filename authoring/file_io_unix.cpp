// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "bank/file_handle.h"
#include "file_system.h"

namespace kletochka::authoring::system {

namespace {

using Reason = WriteError::Reason;

Reason ReasonFor(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return Reason::NoSpace;
        case ENOENT:
        case ENOTDIR:
            return Reason::NoFolder;
        case EISDIR:
            return Reason::IsFolder;
        case EACCES:
        case EPERM:
            return Reason::NotAllowed;
        case EROFS:
            return Reason::ReadOnlyDisk;
        default:
            return Reason::Other;
    }
}

[[noreturn]] void Fail(const std::filesystem::path& path, int err) {
    throw WriteError(ReasonFor(err), path, err);
}

[[noreturn]] void FailRead(const std::filesystem::path& path, int err) {
    using Why = ReadError::Reason;
    const Why why = err == ENOENT || err == ENOTDIR ? Why::Missing
                    : err == EACCES || err == EPERM ? Why::NotAllowed
                    : err == EISDIR                 ? Why::IsFolder
                                                    : Why::Other;
    throw ReadError(why, err, "cannot read " + path.string() + ": " + SystemMessage(err));
}

// The errno a test has the step fail with; 0 to go on.
int Injected(const WriteOptions& options, WriteStep step) {
    return options.beforeStep ? options.beforeStep(step) : 0;
}

// Makes a system call unless a test fails its step first; -1 with errno set when either fails.
template <typename Call>
int Step(const WriteOptions& options, WriteStep step, Call&& call) {
    if (const int err = Injected(options, step)) {
        errno = err;
        return -1;
    }
    return call();
}

// Writes bytes from the start of fd; 0, or the errno it failed with. An
// injected failure comes halfway, as a disk that fills up does.
int WriteAll(int fd, std::string_view bytes, int injected = 0) {
    std::string_view todo = injected != 0 ? bytes.substr(0, bytes.size() / 2) : bytes;
    off_t offset = 0;
    while (!todo.empty()) {
        const ssize_t n = ::pwrite(fd, todo.data(), todo.size(), offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        todo.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return injected;
}

// 0 and the whole file from its start in bytes, or the errno reading failed with.
int ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return 0;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

bool InGroup(gid_t group) {
    if (::getegid() == group) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

FileFacts FactsOf(const struct stat& st) {
    FileFacts facts;
    facts.exists = true;
    facts.folder = S_ISDIR(st.st_mode);
    facts.regular = S_ISREG(st.st_mode);
    facts.device = st.st_dev;
    facts.inode = st.st_ino;
    facts.size = static_cast<std::uint64_t>(st.st_size);
    facts.modified =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    facts.links = st.st_nlink;
    facts.permissions = st.st_mode & 07777;
    facts.owner = st.st_uid;
    facts.group = st.st_gid;
    const uid_t me = ::geteuid();
    facts.mayChangeMode = me == 0 || me == st.st_uid;
    facts.ownerKept = me == 0 || (me == st.st_uid && InGroup(st.st_gid));
    return facts;
}

mode_t NewFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file's name, removed when it goes out of scope unless kept.
class TemporaryName {
  public:
    explicit TemporaryName(std::string name) : m_name(std::move(name)) {}
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() { remove(); }
    void keep() { m_name.clear(); }
    void remove() {
        if (!m_name.empty()) {
            ::unlink(m_name.c_str());
            m_name.clear();
        }
    }

  private:
    std::string m_name;
};

// Syncs the folder's names; a folder this user may not open is left to the system.
void SyncFolder(const std::filesystem::path& file, const WriteOptions& options) {
    const std::filesystem::path parent = file.parent_path();
    const std::filesystem::path folder = parent.empty() ? "." : parent;
    FileHandle fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 && errno == EACCES) {
        return;
    }
    const int result =
        fd.get() < 0 ? -1 : Step(options, WriteStep::SyncFolder, [&] { return ::fsync(fd.get()); });
    // Some file systems cannot sync a folder and say so with EINVAL.
    if (result != 0 && errno != EINVAL) {
        throw WriteError(Reason::Unsynced, file, errno);
    }
}

// The file opened to be overwritten; the owner of a read-only file lifts its
// protection only for as long as opening it takes.
int OpenToOverwrite(const std::filesystem::path& target, const FileFacts& old) {
    if (old.writable || ::geteuid() == 0) {
        return ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    }
    if (::chmod(target.c_str(), static_cast<mode_t>(old.permissions) | S_IWUSR) != 0) {
        return -1;
    }
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    const int err = errno;
    ::chmod(target.c_str(), static_cast<mode_t>(old.permissions));
    errno = err;
    return fd;
}

}  // namespace

std::string SystemMessage(int err) {
    return std::strerror(err);
}

FileFacts LookAt(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {};
        }
        Fail(path, errno);
    }
    FileFacts facts = FactsOf(st);
    if (facts.regular) {
        const bool allowed = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
        facts.readOnlyDisk = !allowed && errno == EROFS;
        facts.writable = allowed && (st.st_mode & 0222) != 0;
    }
    return facts;
}

std::string ReadUpTo(const std::filesystem::path& path, std::size_t limit) {
    FileHandle fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        FailRead(path, errno);
    }
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd.get(), buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            FailRead(path, errno);
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

FileFacts ReplaceWith(const std::filesystem::path& target, std::string_view bytes,
                      const FileFacts& old, const WriteOptions& options) {
    std::string temp = target.string() + ".XXXXXX";
    FileHandle fd(Step(options, WriteStep::Create, [&] { return ::mkstemp(temp.data()); }));
    if (fd.get() < 0) {
        Fail(target, errno);
    }
    TemporaryName name(temp);
    if (old.exists && ::fchown(fd.get(), old.owner, old.group) != 0) {
        Fail(target, errno);
    }
    if (const int err = WriteAll(fd.get(), bytes, Injected(options, WriteStep::Write))) {
        Fail(target, err);
    }
    // Last, as a new owner or a write clears set-id bits; till then only this user may read it.
    const mode_t permissions =
        old.exists ? static_cast<mode_t>(old.permissions) : NewFilePermissions();
    if (::fchmod(fd.get(), permissions) != 0) {
        Fail(target, errno);
    }
    if (Step(options, WriteStep::SyncFile, [&] { return ::fsync(fd.get()); }) != 0) {
        Fail(target, errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || ::close(fd.release()) != 0) {
        Fail(target, errno);
    }
    if (Step(options, WriteStep::Rename, [&] { return ::rename(temp.c_str(), target.c_str()); }) !=
        0) {
        Fail(target, errno);
    }
    name.keep();
    SyncFolder(target, options);
    return FactsOf(st);
}

FileFacts WriteInPlace(const std::filesystem::path& target, std::string_view bytes,
                       const FileFacts& old, const WriteOptions& options) {
    FileHandle fd(OpenToOverwrite(target, old));
    if (fd.get() < 0) {
        Fail(target, errno);
    }
    std::string before;
    if (const int err = ReadAll(fd.get(), before)) {
        Fail(target, err);
    }
    // What a crash halfway leaves to recover from; private to this user.
    std::string copy = target.string() + ".XXXXXX";
    FileHandle copyFd(Step(options, WriteStep::CopyOld, [&] { return ::mkstemp(copy.data()); }));
    if (copyFd.get() < 0) {
        Fail(target, errno);
    }
    TemporaryName copyName(copy);
    if (const int err = WriteAll(copyFd.get(), before)) {
        Fail(target, err);
    }
    if (::fsync(copyFd.get()) != 0 || ::close(copyFd.release()) != 0) {
        Fail(target, errno);
    }

    int err = WriteAll(fd.get(), bytes, Injected(options, WriteStep::Write));
    if (err == 0 && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0) {
        err = errno;
    }
    // A write by this user may have cleared the set-id bits; the owner puts them back.
    if (err == 0 && old.mayChangeMode &&
        ::fchmod(fd.get(), static_cast<mode_t>(old.permissions)) != 0) {
        err = errno;
    }
    if (err == 0 && Step(options, WriteStep::SyncFile, [&] { return ::fsync(fd.get()); }) != 0) {
        err = errno;
    }
    if (err != 0) {
        const int putBack = Step(options, WriteStep::PutBack, [&] {
            const bool back = WriteAll(fd.get(), before) == 0 &&
                              ::ftruncate(fd.get(), static_cast<off_t>(before.size())) == 0 &&
                              ::fsync(fd.get()) == 0;
            return back ? 0 : -1;
        });
        if (putBack != 0) {
            copyName.keep();
            throw WriteError(Reason::CopyKept, target, err, copy);
        }
        Fail(target, err);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        Fail(target, errno);
    }
    copyName.remove();
    SyncFolder(target, options);
    return FactsOf(st);
}

}  // namespace kletochka::authoring::system
