#pragma once
// The results file of a personal folder: a 4-byte record count, then each
// record's full path and file name as counted strings (one length byte below
// 255; else 0xFF and a 2-byte length below 0xFFFE; else 0xFF, 0xFFFF and a
// 4-byte length). Every length is checked against what is left, so a damaged
// file gives the records before the damage and nothing more.

// Core
#include "core/folders/FileItem.h"

// Standard library
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The largest results file read: far above what 15,000-result searches and
// drops make, and a bound on what a damaged size could make us allocate.
inline constexpr std::uint64_t kMaxResultsFileBytes = 256ull * 1024 * 1024;

void AppendCountedString(std::string& bytes, const std::string& text);

// Builds the file's bytes record by record; the count is written with Bytes.
class ResultsWriter {
public:
    void Add(const FileItem& item);
    std::uint32_t Count() const { return m_count; }
    std::string Bytes() const;

private:
    std::string m_records;
    std::uint32_t m_count = 0;
};

// Reads records out of a file's bytes, in order.
class ResultsReader {
public:
    explicit ResultsReader(std::string bytes);

    // The count the file declares (0 when it is too short to hold one).
    std::uint32_t DeclaredCount() const { return m_declared; }
    // The records there can be at most: the declared count, bounded by the
    // bytes left (each record takes two bytes or more).
    std::uint32_t PossibleCount() const;
    // The next record's path and name, with its extension and folder part
    // derived; false at the end or at damage, which Damaged then tells.
    bool Next(FileItem& item);
    std::uint32_t RecordsRead() const { return m_read; }
    bool Damaged() const { return m_damaged; }

private:
    bool ReadCounted(std::string& text);
    bool ReadNumber(std::uint32_t& value, std::size_t width);

    std::string m_bytes;
    std::size_t m_position = 0;
    std::uint32_t m_declared = 0;
    std::uint32_t m_read = 0;
    bool m_damaged = false;
};

// Reads the results file whole. When it is missing but the copy that a save
// set aside is there (the save was cut short), the copy is put back and read.
// None when neither exists or the file cannot be read.
std::optional<std::string> ReadResultsFile(const std::string& path);
// Writes the bytes beside the file and only then puts them in its place, with
// renames that every system has: the old file is set aside, the new one
// renamed into place, the old one deleted. False (the old file kept) when
// any step fails.
bool SaveResultsFile(const std::string& path, const std::string& bytes);
// The names a save uses beside the file.
std::string ResultsTempPath(const std::string& path);
std::string ResultsBackupPath(const std::string& path);
