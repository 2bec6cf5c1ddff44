#pragma once
// An external program with arguments (the Tools menu), and an entry of the Run
// dialog's history. Stored in the section it is given ("Tools" or "Runs").

// Core
#include "core/app/Favorite.h"

// Standard library
#include <cstdint>
#include <string>

class CTool : public CFavorite {
public:
    CTool() = default;

    void LoadFrom(CSettingsStore& store, const std::string& keyName, int sectionId) override;
    void SaveTo(CSettingsStore& store, const std::string& keyName, int sectionId) override;

    const std::string& Directory() const { return m_directory; }
    void SetDirectory(std::string directory) { m_directory = std::move(directory); }
    const std::string& Arguments() const { return m_arguments; }
    void SetArguments(std::string arguments) { m_arguments = std::move(arguments); }
    bool PromptForArguments() const { return m_prompt != 0; }
    void SetPromptForArguments(bool prompt) { m_prompt = prompt ? 1 : 0; }

private:
    std::string m_directory;
    std::string m_arguments;
    std::uint8_t m_prompt = 0;
};
