#include "core/dialogs/ManagerList.h"

ManagerButtons ComputeManagerButtons(const std::vector<int>& selected, int count,
                                     const std::function<bool(int)>& isEnabled,
                                     const std::function<bool(int)>& isDeletable)
{
    ManagerButtons buttons;
    const bool single = selected.size() == 1;
    buttons.canDelete = !selected.empty();
    buttons.canEdit = single;
    buttons.canMoveUp = single && selected.front() > 0;
    buttons.canMoveDown = single && selected.front() < count - 1;
    for (int index : selected) {
        const bool enabled = isEnabled ? isEnabled(index) : true;
        if (enabled)
            buttons.canDisable = true;
        else
            buttons.canEnable = true;
        if (isDeletable && !isDeletable(index)) buttons.canDelete = false;
    }
    return buttons;
}

std::optional<int> MovePartner(const std::vector<int>& selected, int count, MoveDirection direction)
{
    if (selected.size() != 1) return std::nullopt;
    const int index = selected.front();
    const int partner = direction == MoveDirection::Up ? index - 1 : index + 1;
    if (index < 0 || index >= count || partner < 0 || partner >= count) return std::nullopt;
    return partner;
}

MoveFocus FocusAfterMove(const ManagerButtons& buttons, MoveDirection direction)
{
    const bool same = direction == MoveDirection::Up ? buttons.canMoveUp : buttons.canMoveDown;
    const bool other = direction == MoveDirection::Up ? buttons.canMoveDown : buttons.canMoveUp;
    if (same) return MoveFocus::SameButton;
    return other ? MoveFocus::OtherButton : MoveFocus::List;
}

int RunDeleteLoop(std::vector<bool>& selected, const std::function<DeleteAnswer(int)>& confirm,
                  const std::function<void(int)>& remove)
{
    int removed = 0;
    for (;;) {
        int first = -1;
        for (std::size_t i = 0; i < selected.size(); ++i) {
            if (!selected[i]) continue;
            first = static_cast<int>(i);
            break;
        }
        if (first < 0) return removed;
        switch (confirm(first)) {
        case DeleteAnswer::Yes:
            remove(first);
            selected.erase(selected.begin() + first);
            ++removed;
            break;
        case DeleteAnswer::No:
            selected[static_cast<std::size_t>(first)] = false;
            break;
        case DeleteAnswer::Cancel:
            selected.assign(selected.size(), false);
            break;
        }
    }
}

std::vector<int> MakeUserMarks(int count, int defaultIndex, int lastSelectedIndex)
{
    std::vector<int> marks(count > 0 ? static_cast<std::size_t>(count) : 0, UserMark::None);
    if (defaultIndex >= 0 && defaultIndex < count)
        marks[static_cast<std::size_t>(defaultIndex)] |= UserMark::Default;
    if (lastSelectedIndex >= 0 && lastSelectedIndex < count)
        marks[static_cast<std::size_t>(lastSelectedIndex)] |= UserMark::LastSelected;
    return marks;
}

MarkedUserPositions PositionsFromMarks(const std::vector<int>& marks)
{
    MarkedUserPositions positions;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const int index = static_cast<int>(i);
        if (marks[i] & UserMark::Default) positions.defaultIndex = index;
        if (marks[i] & UserMark::LastSelected) positions.lastSelectedIndex = index;
    }
    return positions;
}
