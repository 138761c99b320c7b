// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "sound/plugin/wave_file.h"

namespace kletochka {

// How much of its cue an output has sent: whole frames, from the first one
// again after every restart.
class CueCursor {
  public:
    // Sends `cue` from its first frame; null leaves nothing to send.
    void Restart(std::shared_ptr<const Cue> cue);
    // At most `frames` frames of what is left, empty once all was sent.
    std::span<const std::int16_t> Next(std::size_t frames) const;
    // Marks the first `frames` frames of Next() sent.
    void Advance(std::size_t frames);

    // The cue being sent, null when none.
    const Cue* Current() const { return m_cue.get(); }
    bool Done() const { return !m_cue || m_frame >= m_cue->Frames(); }

  private:
    std::shared_ptr<const Cue> m_cue;
    std::size_t m_frame = 0;
};

}  // namespace kletochka
