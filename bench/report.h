// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kletochka::bench {

// The middle value; the mean of the two middle ones for an even count. 0 when empty.
double Median(std::vector<double> values);
// The value a quarter of the way up: a quarter of the values are at most this.
double LowerQuartile(std::vector<double> values);
double Worst(const std::vector<double>& values);

// A number with a fixed count of decimals.
std::string Fixed(double value, int decimals);

// One line of the benchmark table, read by scripts/bench: the columns are
// tab-separated after a leading "ROW"; "-" marks an empty cell.
struct Row {
    std::string measure;
    std::string result;
    std::string baseline = "-";
    std::string ratio = "-";
    std::string goal = "-";
    std::string met = "-";
};
void PrintRow(const Row& row);

inline std::string Met(bool met) {
    return met ? "yes" : "NO";
}

}  // namespace kletochka::bench
