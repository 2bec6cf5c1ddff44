#include "ui/framework/Command.h"

namespace ui {

bool RouteCommand(CommandTarget* first, UINT id)
{
    for (CommandTarget* target = first; target; target = target->NextCommandTarget())
        if (target->OnCommand(id)) return true;
    return false;
}

CommandState QueryCommand(CommandTarget* first, UINT id)
{
    CommandState state;
    for (CommandTarget* target = first; target; target = target->NextCommandTarget()) {
        if (target->OnUpdateCommand(id, state)) {
            state.handled = true;
            break;
        }
    }
    return state;
}

void UpdateMenuItems(HMENU menu, CommandTarget* first)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or popup
        // A command nobody answers for has no handler yet: it is shown disabled.
        const CommandState state = QueryCommand(first, id);
        const bool enabled = state.handled && state.enabled;
        ::EnableMenuItem(menu, static_cast<UINT>(i),
                         MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
        if (state.radio && state.checked)
            ::CheckMenuRadioItem(menu, static_cast<UINT>(i), static_cast<UINT>(i),
                                 static_cast<UINT>(i), MF_BYPOSITION);
        else
            ::CheckMenuItem(menu, static_cast<UINT>(i),
                            MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

}  // namespace ui
