#include "core/folders/StatusTexts.h"

// Standard library
#include <cstdio>

namespace {

constexpr double kKilobyte = 1024.0;
constexpr double kMegabyte = 1048576.0;

// The formats come from the string table and carry one conversion each.
std::string Format(const std::string& format, double value)
{
    char text[64] = "";
    std::snprintf(text, sizeof(text), format.c_str(), value);
    return text;
}

std::string CountText(std::size_t count, const StatusStrings& strings, bool selected)
{
    std::string text = std::to_string(count) + " " + strings.objects;
    if (selected) text += " " + strings.selected;
    return text;
}

}  // namespace

std::string FormatStatusSize(double size, const StatusStrings& strings)
{
    if (size < kKilobyte) return Format(strings.bytesFormat, size);
    if (size < kMegabyte) return Format(strings.kilobytesFormat, size / kKilobyte);
    return Format(strings.megabytesFormat, size / kMegabyte);
}

FolderStatus MakeFolderStatus(const StatusInput& input, const StatusStrings& strings,
                              const std::function<double(std::size_t)>& sizeOf)
{
    FolderStatus status;
    const std::size_t count = input.rows.size();
    if (input.reading) {
        status.countText = CountText(count, strings, false);
        return status;
    }
    std::size_t selected = 0;
    for (const StatusRow& row : input.rows) selected += row.selected ? 1 : 0;

    double size = input.totalSize;
    bool summedFile = false;
    const bool partial = selected != 0 && selected != count;
    if (!partial) {
        status.countText = CountText(count, strings, false);
    } else {
        status.countText = CountText(selected, strings, true);
        if (selected * 2 < count) {
            size = 0;
            for (std::size_t i = 0; i < count; ++i) {
                if (!input.rows[i].selected) continue;
                size += sizeOf(i);
                summedFile = summedFile || input.rows[i].plainFile;
            }
        } else {
            for (std::size_t i = 0; i < count; ++i)
                if (!input.rows[i].selected) size -= sizeOf(i);
        }
    }
    if (size != 0) status.sizeText = FormatStatusSize(size, strings);
    else if (summedFile) status.sizeText = strings.zeroBytes;
    if (selected == 0 && !input.freeSpace.empty())
        status.sizeText += " " + strings.diskFreePrefix + input.freeSpace + ")";
    return status;
}
