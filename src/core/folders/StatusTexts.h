#pragma once
// The two status texts of a folder window: the object count (or the selected
// count) and the size of what it counts, with the free disk space when
// nothing is selected.

// Standard library
#include <cstddef>
#include <string>

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

// The running sums behind the texts, kept by the view as rows are set,
// selected and deselected, so that a status tick never walks the rows. Only
// rows that carry an item count.
struct SelectionSums {
    std::size_t count = 0;          // rows
    double rowsSize = 0;            // the sizes of all rows
    std::size_t selected = 0;       // selected rows
    double selectedSize = 0;        // their sizes
    std::size_t selectedFiles = 0;  // selected plain files (not folders or virtual items)

    // A row comes or goes (its sizes and selection with it).
    void AddRow(double size, bool plainFile, bool isSelected);
    void RemoveRow(double size, bool plainFile, bool isSelected);
    // A row already counted is selected (true) or deselected (false).
    void Select(double size, bool plainFile, bool isSelected);
};

struct StatusInput {
    bool reading = false;          // the view's reading thread runs
    double totalSize = 0;          // the view's total of all items
    SelectionSums sums;
    std::string freeSpace;         // the drive's free space text; may be empty
};

struct FolderStatus {
    std::string countText;  // pane 0
    std::string sizeText;   // pane 1
};

// Bytes below 1024, kilobytes below 1048576, megabytes above.
std::string FormatStatusSize(double size, const StatusStrings& strings);

// A selection of fewer than half the rows shows the sum of its sizes; a
// larger one the view's total less the sizes of the rows not selected.
FolderStatus MakeFolderStatus(const StatusInput& input, const StatusStrings& strings);
