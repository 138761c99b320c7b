// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a bank file: the load either fails whole or takes the first 63
// records byte for byte, and every field shows as exactly its significant characters.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bank/error.h"
#include "bank/question_bank.h"
#include "widgets/display_text.h"

namespace {

using kletochka::QuestionBank;

// A file in memory, so the fuzzer goes through the real open and read calls without a disk.
const std::string& BankPath(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("bank", MFD_CLOEXEC);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    return path;
}

void Check(bool holds) {
    if (!holds)
        std::abort();
}

void ShowEveryField(const QuestionBank& bank) {
    for (const auto& record : bank.records()) {
        for (const auto* field :
             {&record.question, &record.answerA, &record.answerB, &record.answerC}) {
            const QString text = kletochka::DisplayText(*field);
            // One character per significant byte: nothing past the field, nothing dropped.
            Check(static_cast<std::size_t>(text.size()) == field->view().size());
            Check(field->view().size() <= kletochka::ShortString::kCapacity);
        }
        static_cast<void>(record.correct());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuestionBank bank;
    QuestionBank::Records earlier;
    std::memset(earlier.data(), 0x5a, sizeof earlier);
    bank.replace(earlier);
    try {
        kletochka::LoadQuestionBank(bank, BankPath(data, size));
    } catch (const kletochka::InOutError& error) {
        Check(size < QuestionBank::kFileSize &&
              error.code() == kletochka::InOutError::ReadBeyondEnd);
        Check(std::memcmp(bank.records().data(), earlier.data(), sizeof earlier) == 0);
        return 0;
    }
    Check(size >= QuestionBank::kFileSize);
    Check(std::memcmp(bank.records().data(), data, QuestionBank::kFileSize) == 0);
    ShowEveryField(bank);
    return 0;
}
