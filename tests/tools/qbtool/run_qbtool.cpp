// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_qbtool.h"

#include <QGuiApplication>
#include <algorithm>
#include <sstream>

#include "qbtool/commands.h"

namespace kletochka::test {

namespace {

// The fit check measures text, which needs a GUI application; one lives for the whole test run.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "qbtool_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", KLETOCHKA_HEADLESS_PLATFORM);
        }
        new QGuiApplication(argc, argv);
    }
}

}  // namespace

QbtoolRun RunQbtoolWith(const std::vector<std::string>& args) {
    EnsureApplication();
    QStringList list{QStringLiteral("qbtool")};
    for (const std::string& a : args) {
        list << QString::fromStdString(a);
    }
    std::ostringstream out;
    std::ostringstream err;
    qbtool::Console io{out, err};
    QbtoolRun run;
    run.status = qbtool::RunQbtool(list, io);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kletochka::test
