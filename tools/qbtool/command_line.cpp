// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qbtool/command_line.h"

#include <QCommandLineParser>

#include "authoring/file_io.h"
#include "widgets/file_path.h"

namespace kletochka::qbtool {

std::variant<CommandArgs, int> ParseCommand(const QStringList& args, const CommandInfo& info,
                                            Console& io) {
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption output({"o", "output"}, "", "file");
    std::vector<QCommandLineOption> flags;
    parser.addOption(help);
    if (info.output != Output::None) {
        parser.addOption(output);
    }
    for (const std::string& name : info.flags) {
        flags.emplace_back(QString::fromStdString(name), "");
        parser.addOption(flags.back());
    }
    if (!parser.parse(QStringList{QStringLiteral("qbtool")} + args)) {
        return UsageError(info, parser.errorText().toStdString(), io);
    }
    if (parser.isSet(help)) {
        io.out << info.help;
        return kSuccess;
    }
    const QStringList names = parser.positionalArguments();
    if (names.size() < info.files) {
        return UsageError(info, "a file name is missing", io);
    }
    if (names.size() > info.files) {
        return UsageError(info, "unexpected \"" + names.at(info.files).toStdString() + "\"", io);
    }
    CommandArgs parsed;
    for (const QString& name : names) {
        parsed.files.push_back(ToStdPath(name));
    }
    if (info.output != Output::None && parser.isSet(output)) {
        parsed.output = ToStdPath(parser.value(output));
    }
    if (info.output == Output::Required && !parsed.output) {
        return UsageError(info, "say where to write with -o FILE", io);
    }
    for (const auto& file : parsed.files) {
        if (parsed.output && SameFile(file, *parsed.output)) {
            return UsageError(info, "the output would overwrite " + file.string() + " itself", io);
        }
    }
    for (const QCommandLineOption& flag : flags) {
        if (parser.isSet(flag)) {
            parsed.flags.push_back(flag.names().first().toStdString());
        }
    }
    return parsed;
}

int UsageError(const CommandInfo& info, const std::string& why, Console& io) {
    io.err << "qbtool " << info.name << ": " << why << "\n"
           << "Try \"qbtool " << info.name << " --help\" for how to use it.\n";
    return kUsage;
}

}  // namespace kletochka::qbtool
