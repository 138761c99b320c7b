// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/plugin/cue_cursor.h"

#include <algorithm>

namespace kletochka {

void CueCursor::Restart(std::shared_ptr<const Cue> cue) {
    m_cue = std::move(cue);
    m_frame = 0;
}

std::span<const std::int16_t> CueCursor::Next(std::size_t frames) const {
    if (Done()) {
        return {};
    }
    const std::size_t now = std::min(frames, m_cue->Frames() - m_frame);
    return std::span(m_cue->samples).subspan(m_frame * Cue::kChannels, now * Cue::kChannels);
}

void CueCursor::Advance(std::size_t frames) {
    m_frame += frames;
}

}  // namespace kletochka
