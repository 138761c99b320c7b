// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark of the question editor's document: opening and saving a
// bank, showing a cell, and what one keystroke costs (the edit, its undo
// command, the problems checked again and the models told).
//
//   editor_bench [benchmark flags]   the benchmarks, then table rows on stdout
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "editor/bank_document.h"
#include "editor/cell_model.h"
#include "editor/document_files.h"
#include "editor/problem_model.h"
#include "editor/text_limit.h"
#include "goal_rows.h"

namespace {

using namespace kletochka;
using namespace kletochka::editor;

// The bundled questions as a table, a bank and a place to save, made once.
struct Files {
    QTemporaryDir dir;
    QString table = QStringLiteral(KLETOCHKA_DEFAULT_QUESTIONS);
    QString bank = dir.filePath(QStringLiteral("bank.qb"));
    QString saved = dir.filePath(QStringLiteral("saved.qb"));
};

Files& TheFiles() {
    static Files files;
    static const bool made = [] {
        WriteBankFile(files.bank, ReadTableFile(files.table).records);
        return true;
    }();
    (void)made;
    return files;
}

void BM_OpenBank(benchmark::State& state) {
    BankDocument doc;
    for (auto _ : state) {
        doc.openBank(TheFiles().bank);
    }
}
BENCHMARK(BM_OpenBank)->Unit(benchmark::kMillisecond);

void BM_OpenTable(benchmark::State& state) {
    BankDocument doc;
    for (auto _ : state) {
        doc.openTable(TheFiles().table);
    }
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

// Written to a temporary file, synced and renamed: the disk's time is the user's wait.
void BM_SaveBank(benchmark::State& state) {
    BankDocument doc;
    doc.openBank(TheFiles().bank);
    for (auto _ : state) {
        doc.saveAs(TheFiles().saved);
    }
}
BENCHMARK(BM_SaveBank)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the form and the board read when a cell is selected.
void BM_ShowCell(benchmark::State& state) {
    BankDocument doc;
    doc.openBank(TheFiles().bank);
    CellModel cells(doc);
    int n = 0;
    for (auto _ : state) {
        const int round = n / 9 % 7 + 1;
        const int cell = n++ % 9 + 1;
        for (const Field field : kTextFields) {
            benchmark::DoNotOptimize(doc.text(round, cell, field));
        }
        benchmark::DoNotOptimize(doc.correct(round, cell));
        benchmark::DoNotOptimize(cells.data(cells.indexOf(round, cell), CellModel::FilledRole));
        benchmark::DoNotOptimize(cells.data(cells.indexOf(round, cell), CellModel::ProblemRole));
    }
}
BENCHMARK(BM_ShowCell)->Unit(benchmark::kMicrosecond);

// One typed letter: measured against the limit, stored as a merged command,
// the problems checked again, the board and the problem list told.
void BM_Keystroke(benchmark::State& state) {
    BankDocument doc;
    doc.openBank(TheFiles().bank);
    CellModel cells(doc);
    ProblemModel problems(doc);
    const QString base = doc.text(4, 5, Field::Question);
    const QString typed[] = {base + QStringLiteral("ж"), base};
    int n = 0;
    for (auto _ : state) {
        const QString& text = typed[n++ % 2];
        benchmark::DoNotOptimize(MeasureText(text));
        doc.setText(4, 5, Field::Question, text);
    }
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond);

// The whole bank checked afresh, as after opening a file.
void BM_RecheckAll(benchmark::State& state) {
    const QuestionBank::Records records = ReadBankFile(TheFiles().bank);
    LiveProblems live;
    for (auto _ : state) {
        live.recheckAll(records);
    }
}
BENCHMARK(BM_RecheckAll)->Unit(benchmark::kMillisecond);

const bench::Goal kGoals[] = {
    {"BM_OpenBank", "Editor: open a bank, check it, CPU", 50, "< 50 ms"},
    {"BM_OpenTable", "Editor: open a CSV table, check it, CPU", 50, "< 50 ms"},
    {"BM_SaveBank", "Editor: save a bank (sync, rename), wall", 50, "< 50 ms", true},
    {"BM_ShowCell", "Editor: show a cell, CPU", 50, "< 50 ms"},
    {"BM_Keystroke", "Editor: one keystroke, problems rechecked, CPU", 16, "< 16 ms (one frame)"},
    {"BM_RecheckAll", "Editor: whole bank rechecked, CPU", 16, "< 16 ms (one frame)"},
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The fit on the screen measures text with the game's fonts.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::RunWithGoals(kGoals);
    benchmark::Shutdown();
    return 0;
}
