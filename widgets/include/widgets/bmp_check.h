// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kletochka {

// Whether the bytes can be a whole Windows bitmap: a sane header whose
// dimensions fit the file. The image decoder would otherwise pad a cut-off
// file with black or try to allocate whatever an absurd header asks for.
bool IsWholeBitmap(std::span<const std::uint8_t> file);

}  // namespace kletochka
