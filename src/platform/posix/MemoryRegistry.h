#pragma once
// An in-memory registry with the result codes and key-deletion semantics of
// Windows NT or Windows 95. Sub-keys enumerate sorted without regard to case,
// as the real registry returns them.

// Platform
#include "platform/Registry.h"

// Standard library
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

enum class DeleteSemantics { WindowsNT, Windows95 };

class MemoryRegistry final : public Registry {
public:
    explicit MemoryRegistry(DeleteSemantics semantics = DeleteSemantics::WindowsNT);
    ~MemoryRegistry() override;

    long CreateKey(RegHandle parent, const char* subKey, RegHandle* result) override;
    long OpenKey(RegHandle parent, const char* subKey, RegHandle* result) override;
    long CloseKey(RegHandle key) override;
    long QueryValue(RegHandle key, const char* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
    long SetValue(RegHandle key, const char* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    long EnumKey(RegHandle key, std::uint32_t index, char* name,
                 std::uint32_t* nameSize) override;
    long DeleteValue(RegHandle key, const char* name) override;
    long DeleteKey(RegHandle parent, const char* subKey) override;

    void SetDeleteSemantics(DeleteSemantics semantics) { m_semantics = semantics; }
    // Handles opened and not yet closed; lets tests find leaks of keys.
    std::size_t OpenHandleCount() const { return m_handles.size(); }
    // Forgets every key and value (open handles then refer to deleted keys).
    void Clear();

    // Order of deletions by full path, for tests of depth-first clearing.
    const std::vector<std::string>& DeletedKeys() const { return m_deletedKeys; }

private:
    struct Node;
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
    };
    struct Node {
        std::string name;
        Node* parent = nullptr;
        bool deleted = false;
        std::map<std::string, std::shared_ptr<Node>, NoCaseLess> children;
        std::map<std::string, Value, NoCaseLess> values;
    };

    // Resolves a handle to its node; kErrorInvalidHandle or kErrorKeyDeleted on failure.
    long Resolve(RegHandle key, std::shared_ptr<Node>* node) const;
    // Resolves parent, then walks down the sub-key path.
    long Find(RegHandle parent, const char* subKey, std::shared_ptr<Node>* node) const;
    RegHandle NewHandle(const std::shared_ptr<Node>& node);
    static void MarkDeleted(Node& node);
    std::string PathOf(const Node& node) const;

    DeleteSemantics m_semantics;
    std::shared_ptr<Node> m_currentUser;
    std::shared_ptr<Node> m_localMachine;
    std::map<RegHandle, std::shared_ptr<Node>> m_handles;
    RegHandle m_nextHandle = 0x1000;
    std::vector<std::string> m_deletedKeys;
};

}  // namespace platform
