#pragma once
// The rules of a manager dialog's list that need no window: which buttons a
// selection allows, where a moved entry goes, the deletion loop over a
// selection, and the users' default and last-selected marks.

// Standard library
#include <functional>
#include <optional>
#include <vector>

struct ManagerButtons {
    bool canDelete = false;
    bool canEdit = false;
    bool canMoveUp = false;
    bool canMoveDown = false;
    bool canEnable = false;
    bool canDisable = false;
};

// `selected` holds the selected entries' indices in ascending order. `isEnabled`
// gives the enabled flag of an entry's object; `isDeletable`, when given, keeps
// Delete disabled while any selected entry refuses.
ManagerButtons ComputeManagerButtons(const std::vector<int>& selected, int count,
                                     const std::function<bool(int)>& isEnabled,
                                     const std::function<bool(int)>& isDeletable = nullptr);

enum class MoveDirection { Up, Down };

// The entry that the one selected entry changes places with; none unless
// exactly one entry is selected and it has a neighbour that way.
std::optional<int> MovePartner(const std::vector<int>& selected, int count, MoveDirection direction);

enum class MoveFocus { SameButton, OtherButton, List };

// After a move the focus stays on the arrow while it can still move, else it
// goes to the other arrow, else to the list.
MoveFocus FocusAfterMove(const ManagerButtons& buttons, MoveDirection direction);

enum class DeleteAnswer { Yes, No, Cancel };

// The deletion loop of a manager. `selected` mirrors the list's selection flags
// and shrinks with it. While any entry is selected the first one is asked about:
// Yes calls remove(index), No unselects it, Cancel unselects everything.
// Gives the number of entries removed.
int RunDeleteLoop(std::vector<bool>& selected, const std::function<DeleteAnswer(int)>& confirm,
                  const std::function<void(int)>& remove);

// The marks the User Manager keeps on its entries.
namespace UserMark {
inline constexpr int None = 0;
inline constexpr int Default = 1;
inline constexpr int LastSelected = 2;
}  // namespace UserMark

// The marks of `count` entries from the default and last-selected indices;
// an index outside the list marks nothing.
std::vector<int> MakeUserMarks(int count, int defaultIndex, int lastSelectedIndex);

struct MarkedUserPositions {
    int defaultIndex = 0;                 // 0 when no entry carries the default mark
    std::optional<int> lastSelectedIndex; // none: the setting stays as it is
};

MarkedUserPositions PositionsFromMarks(const std::vector<int>& marks);
