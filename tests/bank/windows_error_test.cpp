// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "bank/error.h"

namespace kletochka {
namespace {

// Windows' numbers for a failed open, as the runtime leaves them in _doserrno.
struct WindowsFailure {
    unsigned long error;
    int code;
    const char* message;
};

void PrintTo(const WindowsFailure& failure, std::ostream* out) {
    *out << "Windows error " << failure.error;
}

class WindowsFailureTest : public ::testing::TestWithParam<WindowsFailure> {};

TEST_P(WindowsFailureTest, ShowsItsRowOrItsNumber) {
    const WindowsFailure& failure = GetParam();
    const InOutError error = InOutError::fromWindowsError(failure.error);
    EXPECT_EQ(error.code(), failure.code);
    EXPECT_EQ(error.what(), std::string(failure.message));
}

INSTANTIATE_TEST_SUITE_P(
    Named, WindowsFailureTest,
    ::testing::Values(WindowsFailure{2, 2, "File not found"},       // ERROR_FILE_NOT_FOUND
                      WindowsFailure{3, 3, "Invalid filename"},     // ERROR_PATH_NOT_FOUND
                      WindowsFailure{123, 3, "Invalid filename"},   // ERROR_INVALID_NAME
                      WindowsFailure{4, 4, "Too many open files"},  // ERROR_TOO_MANY_OPEN_FILES
                      WindowsFailure{5, 5, "File access denied"},   // ERROR_ACCESS_DENIED
                      // Windows' own numbers, even where errno's would have a row.
                      WindowsFailure{32, 32, "I/O error 32"},     // ERROR_SHARING_VIOLATION
                      WindowsFailure{13, 13, "I/O error 13"},     // ERROR_INVALID_DATA, EACCES
                      WindowsFailure{100, 100, "I/O error 100"},  // not "Read beyond end"
                      WindowsFailure{206, 206, "I/O error 206"},  // ERROR_FILENAME_EXCED_RANGE
                      WindowsFailure{1920, 1920, "I/O error 1920"}));

TEST(WindowsFailure, EveryOtherNumberShowsAsItself) {
    const std::set<unsigned long> named = {2, 3, 4, 5, 123};
    for (unsigned long error = 0; error < 16000; ++error) {
        if (named.contains(error)) {
            continue;
        }
        const InOutError e = InOutError::fromWindowsError(error);
        ASSERT_EQ(e.code(), static_cast<int>(error));
        ASSERT_EQ(e.what(), "I/O error " + std::to_string(error));
    }
}

}  // namespace
}  // namespace kletochka
