#pragma once
// The two status texts of a folder window: the object count (or the selected
// count) and the size of what it counts, with the free disk space when
// nothing is selected.

// Standard library
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The texts as the string table holds them.
struct StatusStrings {
    std::string objects;         // "Object(s)"
    std::string selected;        // "Selected"
    std::string bytesFormat;     // "%.0f bytes"
    std::string kilobytesFormat; // "%.1fKB"
    std::string megabytesFormat; // "%.1fMB"
    std::string zeroBytes;       // "0 bytes"
    std::string diskFreePrefix;  // "(Disk free space: "
};

struct StatusRow {
    bool selected = false;
    bool plainFile = false;  // a file, not a folder or a virtual item
};

struct StatusInput {
    bool reading = false;          // the view's reading thread runs
    double totalSize = 0;          // the view's total of all items
    std::vector<StatusRow> rows;   // the rows that carry an item
    std::string freeSpace;         // the drive's free space text; may be empty
};

struct FolderStatus {
    std::string countText;  // pane 0
    std::string sizeText;   // pane 1
};

// Bytes below 1024, kilobytes below 1048576, megabytes above.
std::string FormatStatusSize(double size, const StatusStrings& strings);

// sizeOf(row) gives the size of a row's item; it is asked only for the rows
// the answer needs (the selected ones, or the unselected ones when at least
// half the rows are selected).
FolderStatus MakeFolderStatus(const StatusInput& input, const StatusStrings& strings,
                              const std::function<double(std::size_t)>& sizeOf);
