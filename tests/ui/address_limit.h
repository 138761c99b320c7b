// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace kletochka::test {

// While it lives, the process may map only `extra` more bytes of address space
// than it has mapped now, so a big allocation fails. Windows has no such limit
// for a process: there active() is false and nothing is limited.
class AddressSpaceLimit {
  public:
    explicit AddressSpaceLimit(std::size_t extra);
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;
    ~AddressSpaceLimit();

    bool active() const { return m_active; }

  private:
    bool m_active = false;
    unsigned long long m_old = 0;
};

}  // namespace kletochka::test
