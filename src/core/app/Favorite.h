#pragma once
// A folder or program opened from the Favorites menu. Favorites always live in
// the "Favorites" section, whatever section a caller names.

// Core
#include "core/app/BaseObj.h"

// Standard library
#include <cstdint>
#include <string>

// How a favorite or tool is opened.
enum class OpenMode : std::uint8_t { Shell = 0, Trailmark = 1 };

class CFavorite : public CBaseObj {
public:
    CFavorite() = default;

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;

    const std::string& Command() const { return m_command; }
    void SetCommand(std::string command) { m_command = std::move(command); }
    // The stored byte: 1 opens inside this program, 0 hands the target to the shell.
    std::uint8_t OpenModeByte() const { return m_openMode; }
    void SetOpenModeByte(std::uint8_t mode) { m_openMode = mode; }
    bool OpensInTrailmark() const { return m_openMode != 0; }

protected:
    // The name step, "Command" and "Open Mode", for CTool to share.
    void LoadFavoriteRecord(const CRegistryKey& key);
    void SaveFavoriteRecord(CRegistryKey& key) const;

private:
    std::string m_command;
    std::uint8_t m_openMode = static_cast<std::uint8_t>(OpenMode::Trailmark);
};
