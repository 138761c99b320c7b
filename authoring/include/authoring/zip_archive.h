// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct zip;

namespace kletochka::authoring {

// A zip archive read from memory, part by part, never unpacking more than asked.
// Every failure is a WorkbookError.
class ZipArchive {
  public:
    // More parts than any spreadsheet has; a longer directory is refused unread.
    static constexpr long long kMaxParts = 1000;

    explicit ZipArchive(std::string_view bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool has(const std::string& name) const;
    // The unpacked part; refused before unpacking when it says it is larger
    // than limit, and while unpacking when it turns out larger than it said.
    std::string read(const std::string& name, std::size_t limit) const;

  private:
    struct zip* m_zip = nullptr;
};

using ZipPart = std::pair<std::string, std::string>;  // name, contents

// The parts in this order as a deflated zip archive. Every part carries the
// same fixed time, so the same parts always make the same bytes.
std::string ZipParts(const std::vector<ZipPart>& parts);

}  // namespace kletochka::authoring
