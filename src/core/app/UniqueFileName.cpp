#include "core/app/UniqueFileName.h"

// Core
#include "core/app/Random.h"

// Platform
#include "platform/FileSystem.h"

namespace {
constexpr std::size_t kNameLength = 8;
}  // namespace

std::optional<std::string> MakeUniqueFileName(
    const std::string& directory, const std::string& base, const std::string& ext,
    const std::function<bool(const std::string&)>& taken)
{
    const std::size_t digits = base.size() < kNameLength ? kNameLength - base.size() : 0;
    for (int attempt = 0; attempt < kUniqueFileNameTries; ++attempt) {
        std::string candidate = base;
        for (std::size_t i = 0; i < digits; ++i) candidate += std::to_string(NextRandom())[0];
        if (!ext.empty()) candidate += "." + ext;
        if (taken && taken(candidate)) continue;
        if (!platform::PathExists(directory + "\\" + candidate)) return candidate;
    }
    return std::nullopt;
}
