// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/file_io.h"

#include <limits>
#include <system_error>
#include <utility>

#include "file_system.h"

namespace kletochka::authoring {

namespace {

using Reason = WriteError::Reason;

// FNV-1a: enough to see that a file's bytes differ from the ones seen before.
std::uint64_t Digest(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

FileStamp StampOf(const system::FileFacts& facts, std::uint64_t digest) {
    FileStamp stamp;
    stamp.exists = facts.exists;
    stamp.folder = facts.folder;
    stamp.device = facts.device;
    stamp.inode = facts.inode;
    stamp.size = facts.size;
    stamp.modified = facts.modified;
    stamp.digest = digest;
    return stamp;
}

// The file a chain of symbolic links ends at, which need not exist yet; path when it is no link.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    constexpr int kMostLinks = 40;  // as many as the system itself follows
    std::filesystem::path at = path;
    for (int links = 0; links < kMostLinks; ++links) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(at, ec)) {
            return at;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(at, ec);
        if (ec) {
            throw WriteError(Reason::Other, path, ec.value());
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    throw WriteError(Reason::Other, path,
                     static_cast<int>(std::errc::too_many_symbolic_link_levels));
}

std::string Describe(Reason reason, const std::filesystem::path& file, int err,
                     const std::filesystem::path& copy) {
    const std::string name = file.string();
    switch (reason) {
        case Reason::ReadOnly:
            return name + " is read-only: nothing written";
        case Reason::NotAllowed:
            return "cannot write " + name + ": not allowed to change it or its folder";
        case Reason::Changed:
            return name + " was changed by another program since it was read: nothing written";
        case Reason::Gone:
            return name + " was removed by another program since it was read: nothing written";
        case Reason::NoSpace:
            return "cannot write " + name + ": the disk is full; the file is as it was";
        case Reason::NoFolder:
            return "cannot write " + name + ": its folder does not exist";
        case Reason::IsFolder:
            return "cannot write " + name + ": it is a folder";
        case Reason::NotAFile:
            return "cannot write " + name + ": it is not a plain file";
        case Reason::ReadOnlyDisk:
            return "cannot write " + name + ": the disk is read-only";
        case Reason::Unsynced:
            return name + " was written, but the system did not confirm it is stored: " +
                   system::SystemMessage(err);
        case Reason::CopyKept:
            return "writing " + name + " failed halfway; its old contents are in " + copy.string();
        case Reason::Other:
            break;
    }
    return "cannot write " + name + ": " + system::SystemMessage(err);
}

}  // namespace

WriteError::WriteError(Reason reason, std::filesystem::path file, int systemError,
                       std::filesystem::path copy)
    : Error(Describe(reason, file, systemError, copy)),
      m_reason(reason),
      m_file(std::move(file)),
      m_error(systemError),
      m_copy(std::move(copy)) {}

std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
    const std::size_t beyond = limit == std::numeric_limits<std::size_t>::max() ? limit : limit + 1;
    std::string bytes = system::ReadUpTo(path, beyond);
    if (bytes.size() > limit) {
        throw ReadError(
            ReadError::Reason::TooLarge, 0,
            path.string() + " is too large: more than " + std::to_string(limit) + " bytes");
    }
    return bytes;
}

std::string SystemWords(int err) {
    return system::SystemMessage(err);
}

FileStamp StampFile(const std::filesystem::path& path) {
    system::FileFacts facts;
    try {
        facts = system::LookAt(path);
    } catch (const Error&) {
        // Something is there that cannot be looked at: unlike any stamp of a readable file.
        FileStamp unknown;
        unknown.exists = true;
        return unknown;
    }
    std::uint64_t digest = 0;
    if (facts.regular) {
        try {
            digest = Digest(system::ReadUpTo(path, kStampedBytes));
        } catch (const Error&) {
        }
    }
    return StampOf(facts, digest);
}

FileStamp ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                      const WriteOptions& options) {
    const std::filesystem::path target = FollowLinks(path);
    try {
        if (options.unchangedSince) {
            const FileStamp now = StampFile(target);
            if (now != *options.unchangedSince) {
                const bool gone = options.unchangedSince->exists && !now.exists;
                throw WriteError(gone ? Reason::Gone : Reason::Changed, target);
            }
        }
        const system::FileFacts old = system::LookAt(target);
        if (old.folder) {
            throw WriteError(Reason::IsFolder, target);
        }
        if (old.exists && !old.regular) {
            throw WriteError(Reason::NotAFile, target);
        }
        if (old.readOnlyDisk) {
            throw WriteError(Reason::ReadOnlyDisk, target);
        }
        if (old.exists && !old.writable) {
            if (!old.mayChangeMode) {
                throw WriteError(Reason::NotAllowed, target);
            }
            if (!options.overReadOnly) {
                throw WriteError(Reason::ReadOnly, target);
            }
        }
        // A new file in its place would part it from its other names or its owner.
        const bool inPlace = old.exists && (old.links > 1 || !old.ownerKept);
        const system::FileFacts written = inPlace
                                              ? system::WriteInPlace(target, bytes, old, options)
                                              : system::ReplaceWith(target, bytes, old, options);
        return StampOf(written, Digest(bytes.substr(0, kStampedBytes)));
    } catch (const WriteError& e) {
        // The name the person gave, not the file a link of theirs leads to.
        if (target != path) {
            throw WriteError(e.reason(), path, e.systemError(), e.copy());
        }
        throw;
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

}  // namespace kletochka::authoring
