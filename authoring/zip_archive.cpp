// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/zip_archive.h"

#include <zip.h>

#include <memory>

#include "workbook_error.h"

namespace kletochka::authoring {

namespace {

// The first bytes of a compound file: an old .xls, or a workbook with a password.
constexpr std::string_view kCompoundFile = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

[[noreturn]] void Damaged(const std::string& part) {
    throw WorkbookError(TableFault::BrokenPart, part,
                        "the spreadsheet is damaged: its part " + part + " cannot be unpacked");
}

[[noreturn]] void TooLarge(const std::string& part, std::size_t limit) {
    throw WorkbookError(TableFault::PartTooLarge, part,
                        "the spreadsheet's part " + part + " unpacks to more than " +
                            std::to_string(limit / (1024 * 1024)) +
                            " MB, far more than any table of questions");
}

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

ZipArchive::ZipArchive(std::string_view bytes) {
    if (bytes.substr(0, kCompoundFile.size()) == kCompoundFile) {
        throw WorkbookError(TableFault::OldWorkbook, "",
                            "this is an old Excel file (.xls) or one locked with a password; "
                            "save it as .xlsx without a password");
    }
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    if (source) {
        m_zip = zip_open_from_source(source.get(), ZIP_RDONLY, &error);
    }
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (m_zip == nullptr) {
        if (code == ZIP_ER_MEMORY) {
            throw std::bad_alloc();
        }
        throw WorkbookError(TableFault::NotAWorkbook, "",
                            "this is not an .xlsx spreadsheet: save the table as .xlsx or CSV");
    }
    // The archive now owns the source.
    static_cast<void>(source.release());
    if (zip_get_num_entries(m_zip, 0) > kMaxParts) {
        zip_discard(m_zip);
        throw WorkbookError(TableFault::PartTooLarge, "",
                            "the spreadsheet has more than " + std::to_string(kMaxParts) +
                                " parts, far more than any table of questions");
    }
}

ZipArchive::~ZipArchive() {
    zip_discard(m_zip);
}

bool ZipArchive::has(const std::string& name) const {
    return zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

std::string ZipArchive::read(const std::string& name, std::size_t limit) const {
    const zip_int64_t index = zip_name_locate(m_zip, name.c_str(), ZIP_FL_NOCASE);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        Damaged(name);
    }
    if (stat.size > limit) {
        TooLarge(name, limit);
    }
    std::unique_ptr<zip_file_t, FileClose> file(
        zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        Damaged(name);
    }
    // One byte more than it said shows a part that lies about its size.
    std::string out(static_cast<std::size_t>(stat.size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), out.data() + got, out.size() - got);
        if (n < 0) {
            Damaged(name);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got == out.size()) {
            Damaged(name);
        }
    }
    if (got != stat.size) {
        Damaged(name);
    }
    out.resize(got);
    return out;
}

std::string ZipParts(const std::vector<ZipPart>& parts) {
    // 2026-01-01 00:00 UTC: any fixed time keeps the bytes the same.
    constexpr time_t kPartTime = 1767225600;
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_error_fini(&error);
    if (!buffer) {
        throw std::bad_alloc();
    }
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, nullptr);
    if (archive == nullptr) {
        throw std::bad_alloc();
    }
    // Kept past zip_close, which writes into it and then lets go of it.
    zip_source_keep(buffer.get());
    for (const auto& [name, contents] : parts) {
        zip_source_t* part = zip_source_buffer(archive, contents.data(), contents.size(), 0);
        const zip_int64_t index =
            part != nullptr ? zip_file_add(archive, name.c_str(), part, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(part);
            zip_discard(archive);
            throw std::bad_alloc();
        }
        zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), kPartTime, 0);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::bad_alloc();
    }
    zip_stat_t stat;
    if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0) {
        throw std::bad_alloc();
    }
    std::string out(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t n = zip_source_read(buffer.get(), out.data(), out.size());
    zip_source_close(buffer.get());
    if (n != static_cast<zip_int64_t>(out.size())) {
        throw std::bad_alloc();
    }
    return out;
}

}  // namespace kletochka::authoring
