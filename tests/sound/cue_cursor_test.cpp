// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What an output sends of its cue, piece by piece as the server or card asks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sound/plugin/cue_cursor.h"

namespace kletochka {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::int16_t> Samples(std::span<const std::int16_t> span) {
    return {span.begin(), span.end()};
}

TEST(CueCursor, SendsWholeFramesAndStartsOverAtEveryRestart) {
    auto cue = std::make_shared<Cue>();
    cue->samples = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};  // five stereo frames
    CueCursor cursor;
    EXPECT_TRUE(cursor.Done());
    EXPECT_THAT(Samples(cursor.Next(10)), IsEmpty());

    cursor.Restart(cue);
    EXPECT_THAT(Samples(cursor.Next(2)), ElementsAre(0, 1, 2, 3));
    cursor.Advance(2);
    EXPECT_THAT(Samples(cursor.Next(10)), ElementsAre(4, 5, 6, 7, 8, 9));
    cursor.Advance(1);  // the card took less than it was offered
    EXPECT_THAT(Samples(cursor.Next(10)), ElementsAre(6, 7, 8, 9));

    // The same cue again starts from its first frame.
    cursor.Restart(cue);
    EXPECT_THAT(Samples(cursor.Next(10)), ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9));
    cursor.Advance(5);
    EXPECT_TRUE(cursor.Done());
    EXPECT_THAT(Samples(cursor.Next(10)), IsEmpty());

    // A cut-off leaves nothing to send.
    cursor.Restart(cue);
    cursor.Restart(nullptr);
    EXPECT_TRUE(cursor.Done());
    EXPECT_THAT(Samples(cursor.Next(10)), IsEmpty());
}

}  // namespace
}  // namespace kletochka
