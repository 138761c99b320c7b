// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "address_limit.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace kletochka::test {

namespace {

rlim_t MappedBytes() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace

AddressSpaceLimit::AddressSpaceLimit(std::size_t extra) {
    rlimit old{};
    if (::getrlimit(RLIMIT_AS, &old) != 0) {
        return;
    }
    m_old = old.rlim_cur;
    rlimit low = old;
    low.rlim_cur = MappedBytes() + extra;
    m_active = ::setrlimit(RLIMIT_AS, &low) == 0;
}

AddressSpaceLimit::~AddressSpaceLimit() {
    if (m_active) {
        rlimit old{};
        ::getrlimit(RLIMIT_AS, &old);
        old.rlim_cur = static_cast<rlim_t>(m_old);
        ::setrlimit(RLIMIT_AS, &old);
    }
}

}  // namespace kletochka::test
