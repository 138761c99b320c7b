// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "address_limit.h"

namespace kletochka::test {

AddressSpaceLimit::AddressSpaceLimit(std::size_t) {}

AddressSpaceLimit::~AddressSpaceLimit() = default;

}  // namespace kletochka::test
