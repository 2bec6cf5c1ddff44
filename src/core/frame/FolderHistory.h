#pragma once
// The back and forward lists of a folder window: at most nine places each,
// oldest first. Items are compared by identity (pointers or handles).

// Standard library
#include <algorithm>
#include <cstddef>
#include <vector>

template <typename Item>
class FolderHistory {
public:
    static constexpr std::size_t kCapacity = 9;

    std::size_t Count() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    const Item& At(std::size_t index) const { return m_items[index]; }
    const Item& Newest() const { return m_items.back(); }

    // A full list drops its oldest entry.
    void Add(const Item& item)
    {
        if (m_items.size() == kCapacity) m_items.erase(m_items.begin());
        m_items.push_back(item);
    }
    // Adds the item unless it is the newest entry already.
    void AddUnlessNewest(const Item& item)
    {
        if (m_items.empty() || !(m_items.back() == item)) Add(item);
    }
    // Removes every entry that is the item.
    void Remove(const Item& item)
    {
        m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
    }
    template <typename Predicate>
    void RemoveIf(Predicate predicate)
    {
        m_items.erase(std::remove_if(m_items.begin(), m_items.end(), predicate), m_items.end());
    }
    void Clear() { m_items.clear(); }

    // Going to entry `index`: the current place goes to `other` unless it is
    // its newest entry, every newer entry moves to `other` newest first, and
    // the entry itself leaves the list and is returned.
    Item Walk(std::size_t index, const Item& current, FolderHistory& other)
    {
        other.AddUnlessNewest(current);
        while (m_items.size() > index + 1) {
            other.Add(m_items.back());
            m_items.pop_back();
        }
        Item target = m_items[index];
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
        return target;
    }

private:
    std::vector<Item> m_items;
};
