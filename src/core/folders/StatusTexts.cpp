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

void SelectionSums::AddRow(double size, bool plainFile, bool isSelected)
{
    ++count;
    rowsSize += size;
    if (isSelected) Select(size, plainFile, true);
}

void SelectionSums::RemoveRow(double size, bool plainFile, bool isSelected)
{
    if (isSelected) Select(size, plainFile, false);
    --count;
    rowsSize -= size;
}

void SelectionSums::Select(double size, bool plainFile, bool isSelected)
{
    if (isSelected) {
        ++selected;
        selectedSize += size;
        if (plainFile) ++selectedFiles;
    } else {
        --selected;
        selectedSize -= size;
        if (plainFile) --selectedFiles;
    }
}

FolderStatus MakeFolderStatus(const StatusInput& input, const StatusStrings& strings)
{
    FolderStatus status;
    const SelectionSums& sums = input.sums;
    const std::size_t count = sums.count;
    if (input.reading) {
        status.countText = CountText(count, strings, false);
        return status;
    }
    const std::size_t selected = sums.selected;
    double size = input.totalSize;
    bool summedFile = false;
    const bool partial = selected != 0 && selected != count;
    if (!partial) {
        status.countText = CountText(count, strings, false);
    } else {
        status.countText = CountText(selected, strings, true);
        if (selected * 2 < count) {
            size = sums.selectedSize;
            summedFile = sums.selectedFiles != 0;
        } else {
            size -= sums.rowsSize - sums.selectedSize;
        }
    }
    if (size != 0) status.sizeText = FormatStatusSize(size, strings);
    else if (summedFile) status.sizeText = strings.zeroBytes;
    if (selected == 0 && !input.freeSpace.empty())
        status.sizeText += " " + strings.diskFreePrefix + input.freeSpace + ")";
    return status;
}
