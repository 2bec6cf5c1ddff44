#include "core/frame/TaskbarLayout.h"

// Standard library
#include <algorithm>

namespace {

constexpr char kEllipsis[] = "...";

// The longest prefix length n (0..limit) for which make(n) fits; -1 when none.
int LongestFitting(int limit, int width, const std::function<int(const std::string&)>& measure,
                   const std::function<std::string(int)>& make)
{
    int low = 0;
    int high = limit;
    int best = -1;
    // The measured width grows with n: halve the range.
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        if (measure(make(middle)) <= width) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

}  // namespace

int TaskbarButtonWidth(int barWidth, int buttonCount)
{
    if (barWidth <= 0 || buttonCount < 0) return 0;
    return std::min(barWidth / (buttonCount + 1), kMaxTaskbarButtonWidth);
}

TaskbarMenuState TaskbarButtonMenu(bool minimized, bool maximized, bool maximizeMode)
{
    TaskbarMenuState state;
    state.restore = (minimized || maximized) && !maximizeMode;
    state.move = state.size = !minimized && !maximized;
    state.minimize = !minimized;
    state.maximize = !maximized;
    return state;
}

std::string FitPathMiddle(const std::string& text, int width, const std::function<int(const std::string&)>& measure)
{
    if (measure(text) <= width) return text;
    // A backslash at the very end (a drive's root) belongs to the start.
    const std::size_t cut = text.size() > 1 ? text.find_last_of('\\', text.size() - 2) : std::string::npos;
    const std::string head = cut == std::string::npos ? std::string() : text.substr(0, cut);
    const std::string tail = cut == std::string::npos ? text : text.substr(cut);

    const int kept = LongestFitting(static_cast<int>(head.size()) - 1, width, measure, [&](int n) {
        return head.substr(0, static_cast<std::size_t>(n)) + kEllipsis + tail;
    });
    if (kept >= 0) return head.substr(0, static_cast<std::size_t>(kept)) + kEllipsis + tail;
    // Not even the last component fits: keep its end.
    const int last = LongestFitting(static_cast<int>(tail.size()), width, measure, [&](int n) {
        return kEllipsis + tail.substr(tail.size() - static_cast<std::size_t>(n));
    });
    return last > 0 ? kEllipsis + tail.substr(tail.size() - static_cast<std::size_t>(last)) : std::string(kEllipsis);
}
