// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "as_nobody.h"

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

}  // namespace kletochka::test
