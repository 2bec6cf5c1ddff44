#include "platform/posix/MemoryRegistry.h"

// Standard library
#include <algorithm>
#include <cctype>
#include <cstring>

namespace platform {
namespace {

// Splits "a\b\c" into its parts; empty parts (doubled or trailing separators)
// are skipped as the registry skips them.
std::vector<std::string> SplitPath(const char* path)
{
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = path ? path : ""; *p; ++p) {
        if (*p == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

bool MemoryRegistry::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::toupper(static_cast<unsigned char>(x)) <
                   std::toupper(static_cast<unsigned char>(y));
        });
}

MemoryRegistry::MemoryRegistry(DeleteSemantics semantics)
    : m_semantics(semantics),
      m_currentUser(std::make_shared<Node>()),
      m_localMachine(std::make_shared<Node>())
{
    m_currentUser->name = "HKEY_CURRENT_USER";
    m_localMachine->name = "HKEY_LOCAL_MACHINE";
}

MemoryRegistry::~MemoryRegistry() = default;

void MemoryRegistry::Clear()
{
    MarkDeleted(*m_currentUser);
    MarkDeleted(*m_localMachine);
    m_currentUser = std::make_shared<Node>();
    m_currentUser->name = "HKEY_CURRENT_USER";
    m_localMachine = std::make_shared<Node>();
    m_localMachine->name = "HKEY_LOCAL_MACHINE";
    m_deletedKeys.clear();
}

long MemoryRegistry::Resolve(RegHandle key, std::shared_ptr<Node>* node) const
{
    if (key == kHkeyCurrentUser) {
        *node = m_currentUser;
    } else if (key == kHkeyLocalMachine) {
        *node = m_localMachine;
    } else {
        auto it = m_handles.find(key);
        if (it == m_handles.end()) return kErrorInvalidHandle;
        *node = it->second;
    }
    return (*node)->deleted ? kErrorKeyDeleted : kErrorSuccess;
}

RegHandle MemoryRegistry::NewHandle(const std::shared_ptr<Node>& node)
{
    RegHandle handle = m_nextHandle;
    m_nextHandle += 4;
    m_handles.emplace(handle, node);
    return handle;
}

void MemoryRegistry::MarkDeleted(Node& node)
{
    node.deleted = true;
    for (auto& child : node.children) MarkDeleted(*child.second);
}

std::string MemoryRegistry::PathOf(const Node& node) const
{
    return node.parent ? PathOf(*node.parent) + "\\" + node.name : node.name;
}

long MemoryRegistry::CreateKey(RegHandle parent, const char* subKey, RegHandle* result)
{
    std::shared_ptr<Node> node;
    if (long rc = Resolve(parent, &node); rc != kErrorSuccess) return rc;
    for (const std::string& part : SplitPath(subKey)) {
        auto& child = node->children[part];
        if (!child) {
            child = std::make_shared<Node>();
            child->name = part;
            child->parent = node.get();
        }
        node = child;
    }
    *result = NewHandle(node);
    return kErrorSuccess;
}

long MemoryRegistry::Find(RegHandle parent, const char* subKey, std::shared_ptr<Node>* node) const
{
    if (long rc = Resolve(parent, node); rc != kErrorSuccess) return rc;
    for (const std::string& part : SplitPath(subKey)) {
        auto it = (*node)->children.find(part);
        if (it == (*node)->children.end()) return kErrorFileNotFound;
        *node = it->second;
    }
    return kErrorSuccess;
}

long MemoryRegistry::OpenKey(RegHandle parent, const char* subKey, RegHandle* result)
{
    std::shared_ptr<Node> node;
    if (long rc = Find(parent, subKey, &node); rc != kErrorSuccess) return rc;
    *result = NewHandle(node);
    return kErrorSuccess;
}

long MemoryRegistry::CloseKey(RegHandle key)
{
    if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kErrorSuccess;
    return m_handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

long MemoryRegistry::QueryValue(RegHandle key, const char* name, std::uint32_t* type,
                                void* data, std::uint32_t* size)
{
    std::shared_ptr<Node> node;
    if (long rc = Resolve(key, &node); rc != kErrorSuccess) return rc;
    auto it = node->values.find(name ? name : "");
    if (it == node->values.end()) return kErrorFileNotFound;
    const Value& value = it->second;
    if (type) *type = value.type;
    if (!size) return data ? kErrorInvalidParameter : kErrorSuccess;
    const auto needed = static_cast<std::uint32_t>(value.bytes.size());
    if (data && *size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    if (data && needed) std::memcpy(data, value.bytes.data(), needed);
    *size = needed;
    return kErrorSuccess;
}

long MemoryRegistry::SetValue(RegHandle key, const char* name, std::uint32_t type,
                              const void* data, std::uint32_t size)
{
    std::shared_ptr<Node> node;
    if (long rc = Resolve(key, &node); rc != kErrorSuccess) return rc;
    if (size && !data) return kErrorInvalidParameter;
    Value& value = node->values[name ? name : ""];
    value.type = type;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    value.bytes.assign(bytes, bytes + size);
    return kErrorSuccess;
}

long MemoryRegistry::EnumKey(RegHandle key, std::uint32_t index, char* name,
                             std::uint32_t* nameSize)
{
    std::shared_ptr<Node> node;
    if (long rc = Resolve(key, &node); rc != kErrorSuccess) return rc;
    if (index >= node->children.size()) return kErrorNoMoreItems;
    auto it = node->children.begin();
    std::advance(it, index);
    const std::string& childName = it->first;
    if (!name || !nameSize || *nameSize <= childName.size()) return kErrorMoreData;
    std::memcpy(name, childName.c_str(), childName.size() + 1);
    *nameSize = static_cast<std::uint32_t>(childName.size());
    return kErrorSuccess;
}

long MemoryRegistry::DeleteValue(RegHandle key, const char* name)
{
    std::shared_ptr<Node> node;
    if (long rc = Resolve(key, &node); rc != kErrorSuccess) return rc;
    return node->values.erase(name ? name : "") ? kErrorSuccess : kErrorFileNotFound;
}

long MemoryRegistry::DeleteKey(RegHandle parent, const char* subKey)
{
    std::shared_ptr<Node> node;
    if (long rc = Find(parent, subKey, &node); rc != kErrorSuccess) return rc;
    if (!node->parent) return kErrorAccessDenied;  // a predefined root
    if (m_semantics == DeleteSemantics::WindowsNT && !node->children.empty())
        return kErrorAccessDenied;
    m_deletedKeys.push_back(PathOf(*node));
    MarkDeleted(*node);
    Node* owner = node->parent;
    node->parent = nullptr;
    owner->children.erase(node->name);
    return kErrorSuccess;
}

}  // namespace platform
