#include "core/app/PasswordTable.h"

namespace {

std::array<std::uint8_t, 256> BuildTable()
{
    std::array<std::uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        int mapped = b;
        if (b < 50)
            mapped = b + 150;
        else if (b < 100)
            mapped = b + 50;
        else if (b < 150)
            mapped = b - 50;
        else if (b < 200)
            mapped = b - 150;
        table[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(mapped);
    }
    return table;
}

}  // namespace

const std::array<std::uint8_t, 256>& PasswordTable()
{
    static const std::array<std::uint8_t, 256> table = BuildTable();
    return table;
}

std::string ScramblePassword(const std::string& text)
{
    const auto& table = PasswordTable();
    std::string result = text;
    for (char& c : result) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return result;
}
