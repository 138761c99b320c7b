// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "as_nobody.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace kletochka::test {

namespace {
constexpr unsigned kNobody = 65534;
}  // namespace

bool RunningAsRoot() {
    return false;
}

unsigned NobodyUser() {
    return kNobody;
}

unsigned NobodyGroup() {
    return kNobody;
}

void ExpectAsNobody(const std::function<void()>& check) {
    check();
}

void ExpectAsThisUserAndNobody(const std::filesystem::path& dir,
                               const std::function<void(const std::filesystem::path&)>& check) {
    const std::filesystem::path mine = dir / "mine";
    std::filesystem::create_directory(mine);
    check(mine);
}

UnreadableFile::UnreadableFile(const std::filesystem::path& path)
    : m_path(path),
      m_handle(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (m_handle == INVALID_HANDLE_VALUE) {
        m_handle = nullptr;
        ADD_FAILURE() << "cannot hold " << path.string() << " open: error " << GetLastError();
    }
}

UnreadableFile::~UnreadableFile() {
    if (m_handle != nullptr) {
        CloseHandle(m_handle);
    }
}

}  // namespace kletochka::test
