#pragma once
// Which tip the tip window shows: the number moves on with Next and back with
// Previous, wraps to the first tip after the last, and is stored so that the
// next opening shows the following tip (Close) or the same one again (Esc).
// The tips come from a reader; an empty text marks the end of the tips.

// Standard library
#include <functional>
#include <string>

// The tip file's section and key prefix: [Tips] Tip0=..., Tip1=...
inline constexpr char kTipSection[] = "Tips";
inline constexpr char kTipKeyPrefix[] = "Tip";
// At most this many characters of a tip are read.
inline constexpr int kTipTextLimit = 259;

std::string TipKey(int number);

class TipNavigator {
public:
    using Reader = std::function<std::string(const std::string& key)>;

    // `stored` is the number of the tip shown last (-1 before the first).
    TipNavigator(int stored, Reader reader) : m_number(stored), m_reader(std::move(reader)) {}

    // The next tip, or the first after the last.
    void Next();
    // The previous tip; never before the first.
    void Previous();

    int Number() const { return m_number; }
    const std::string& Text() const { return m_text; }
    bool CanGoBack() const { return m_number > 0; }

    // What is stored when the window closes: with Close the tip shown, so that
    // the next opening moves on; with Esc the one before, so it shows it again.
    int NumberToStoreOnClose() const { return m_number; }
    int NumberToStoreOnCancel() const { return m_number - 1; }

private:
    int m_number;
    Reader m_reader;
    std::string m_text;
};
