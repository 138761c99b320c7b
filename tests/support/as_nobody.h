// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

namespace kletochka::test {

// Whether the tests run as root, who may read and write every file; never on Windows.
bool RunningAsRoot();

// The ordinary user the tests drop to: nobody, or 65534 where no such name is known.
unsigned NobodyUser();
unsigned NobodyGroup();

// Runs check in a child process as nobody (as itself when not root), where
// root's right to read and write every file does not hide a refusal; an
// expectation check fails there fails the test. The child sees what the test
// made before; what it changes in memory stays in the child, on disk it stays.
// Windows has no user that a test could drop to: there check runs here, as this user.
void ExpectAsNobody(const std::function<void()>& check);

// Runs check in a new folder of dir as this user, then in another as nobody;
// dir and that folder are opened to everyone for it.
void ExpectAsThisUserAndNobody(const std::filesystem::path& dir,
                               const std::function<void(const std::filesystem::path&)>& check);

// While it lives, nobody (root aside) can read the file: its permissions are taken away,
// or on Windows, which cannot take them from its owner, this process holds it open and
// shares it with no one, as a spreadsheet program holds the file it has open.
class UnreadableFile {
  public:
    explicit UnreadableFile(const std::filesystem::path& path);
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;
    ~UnreadableFile();

  private:
    std::filesystem::path m_path;
    void* m_handle = nullptr;
};

}  // namespace kletochka::test
