// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace kletochka::authoring {}

namespace kletochka::qbtool {

// The commands are a front end of the library the question editor uses too.
using namespace authoring;

// Where a command writes: data to out, messages to err.
struct Console {
    std::ostream& out;
    std::ostream& err;
};

// Exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

enum class Output { None, Optional, Required };

// What a command takes and tells about itself.
struct CommandInfo {
    const char* name;
    std::string help;                     // the whole --help text
    int files;                            // how many file names it takes
    Output output;                        // whether it takes -o FILE
    std::vector<std::string> flags = {};  // names of its --options that take no value
};

struct CommandArgs {
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> output;
    std::vector<std::string> flags;  // those given
    bool has(const std::string& flag) const {
        return std::find(flags.begin(), flags.end(), flag) != flags.end();
    }
};

// Reads a command's arguments (those after its name). Gives an exit status
// instead when the command should end at once: 0 after printing --help, 2
// after explaining a misuse (-o missing, or naming one of the command's own files).
std::variant<CommandArgs, int> ParseCommand(const QStringList& args, const CommandInfo& info,
                                            Console& io);

// Explains a misuse of the command and gives status 2.
int UsageError(const CommandInfo& info, const std::string& why, Console& io);

}  // namespace kletochka::qbtool
