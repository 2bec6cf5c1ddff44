#include "core/search/ResultsFile.h"

// Core
#include "core/folders/FileDetails.h"

// Platform
#include "platform/FileSystem.h"

namespace {

constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kShortLimit = 0xFF;      // one length byte below this
constexpr std::size_t kMediumLimit = 0xFFFE;   // a 2-byte length below this
constexpr unsigned char kLongerMark = 0xFF;
constexpr std::uint32_t kLongestMark = 0xFFFF;
constexpr std::size_t kMinRecordBytes = 2;     // two empty counted strings
constexpr unsigned char kFirstPrintable = 0x20;

void AppendNumber(std::string& bytes, std::uint32_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Names of files and folders hold no control characters: such bytes in a
// record mean the file is damaged there.
bool PlausibleText(const std::string& text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (static_cast<unsigned char>(c) < kFirstPrintable) return false;
    return true;
}

}  // namespace

void AppendCountedString(std::string& bytes, const std::string& text)
{
    const std::size_t length = text.size();
    if (length < kShortLimit) {
        bytes.push_back(static_cast<char>(length));
    } else if (length < kMediumLimit) {
        bytes.push_back(static_cast<char>(kLongerMark));
        AppendNumber(bytes, static_cast<std::uint32_t>(length), 2);
    } else {
        bytes.push_back(static_cast<char>(kLongerMark));
        AppendNumber(bytes, kLongestMark, 2);
        AppendNumber(bytes, static_cast<std::uint32_t>(length), 4);
    }
    bytes += text;
}

void ResultsWriter::Add(const FileItem& item)
{
    StoreItemNames(item, [this](const std::string& text) { AppendCountedString(m_records, text); });
    ++m_count;
}

std::string ResultsWriter::Bytes() const
{
    std::string bytes;
    bytes.reserve(kCountBytes + m_records.size());
    AppendNumber(bytes, m_count, kCountBytes);
    return bytes + m_records;
}

ResultsReader::ResultsReader(std::string bytes) : m_bytes(std::move(bytes))
{
    if (!ReadNumber(m_declared, kCountBytes)) {
        m_declared = 0;
        m_damaged = !m_bytes.empty();
    }
}

std::uint32_t ResultsReader::PossibleCount() const
{
    const std::size_t left = m_bytes.size() - m_position;
    const std::size_t room = left / kMinRecordBytes;
    return room < m_declared ? static_cast<std::uint32_t>(room) : m_declared;
}

bool ResultsReader::ReadNumber(std::uint32_t& value, std::size_t width)
{
    if (m_bytes.size() - m_position < width) return false;
    value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_position + i])) << (8 * i);
    m_position += width;
    return true;
}

bool ResultsReader::ReadCounted(std::string& text)
{
    std::uint32_t length = 0;
    if (!ReadNumber(length, 1)) return false;
    if (length == kLongerMark) {
        if (!ReadNumber(length, 2)) return false;
        if (length == kLongestMark && !ReadNumber(length, 4)) return false;
    }
    // Checked before anything is allocated: a length past the end is damage.
    if (length > m_bytes.size() - m_position) return false;
    text.assign(m_bytes, m_position, length);
    m_position += length;
    return true;
}

bool ResultsReader::Next(FileItem& item)
{
    if (m_damaged || m_read >= m_declared) return false;
    const std::size_t start = m_position;
    FileItem record;
    if (!LoadItemNames(record, [this](std::string& text) { return ReadCounted(text); }) ||
        !PlausibleText(record.path) || !PlausibleText(record.name)) {
        m_position = start;
        m_damaged = true;
        return false;
    }
    item = std::move(record);
    ++m_read;
    return true;
}

std::string ResultsTempPath(const std::string& path) { return path + ".tmp"; }
std::string ResultsBackupPath(const std::string& path) { return path + ".bak"; }

std::optional<std::string> ReadResultsFile(const std::string& path)
{
    if (!platform::PathExists(path)) {
        const std::string backup = ResultsBackupPath(path);
        if (!platform::PathExists(backup)) return std::nullopt;
        // A save stopped between setting the old file aside and putting the
        // new one in place: the old one is the last complete state.
        if (!platform::RenameFile(backup, path)) return platform::ReadWholeFile(backup, kMaxResultsFileBytes);
    }
    return platform::ReadWholeFile(path, kMaxResultsFileBytes);
}

bool SaveResultsFile(const std::string& path, const std::string& bytes)
{
    const std::string temp = ResultsTempPath(path);
    const std::string backup = ResultsBackupPath(path);
    platform::RemoveFile(temp);
    if (!platform::WriteWholeFile(temp, bytes)) {
        platform::RemoveFile(temp);
        return false;
    }
    const bool hadOld = platform::PathExists(path);
    if (hadOld) {
        platform::RemoveFile(backup);
        if (!platform::RenameFile(path, backup)) {
            platform::RemoveFile(temp);
            return false;
        }
    }
    if (!platform::RenameFile(temp, path)) {
        if (hadOld) platform::RenameFile(backup, path);
        platform::RemoveFile(temp);
        return false;
    }
    if (hadOld) platform::RemoveFile(backup);
    return true;
}
