// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <string>

namespace assetgen {

// Names each table row after its case's name field in test listings.
template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& row) {
    return row.param.name;
}

}  // namespace assetgen
