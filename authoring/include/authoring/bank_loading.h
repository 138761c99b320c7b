// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "authoring/file_io.h"
#include "bank/question_bank.h"

namespace kletochka::authoring {

// Reads a bank with the game's own loader, so with its rules and messages; on
// failure throws an Error saying "PATH: message".
QuestionBank::Records ReadBank(const std::filesystem::path& path);

// Reads a bank with the game's own loader, so with its rules and messages; on
// failure says "PATH: message" on err and gives nothing.
std::optional<QuestionBank::Records> LoadBank(const std::filesystem::path& path, std::ostream& err);

// A bank file as far as it holds whole records, for a program that can repair one.
struct BankFile {
    QuestionBank::Records records{};  // those the file does not hold whole are all zero bytes
    std::uintmax_t size = 0;          // the file's length in bytes
    std::string loaderMessage;        // what the game's loader says of it; empty when it loads

    // At most 63.
    int wholeRecords() const;
    bool cutShort() const { return size < QuestionBank::kFileSize; }
    // After the 63rd record, where the game never reads.
    std::uintmax_t extraBytes() const;
};

// Reads with the game's own loader; a file that lacks only its last record,
// whole or in part, gives its 62 whole records instead. Otherwise throws the
// loader's InOutError, or ReadWholeFile's ReadError.
BankFile SalvageBank(const std::filesystem::path& path);

// Writes a bank file all or nothing (see ReplaceFile); an Error leaves path as it was.
FileStamp WriteBank(const std::filesystem::path& path, const QuestionBank::Records& records,
                    const WriteOptions& options = {});

}  // namespace kletochka::authoring
