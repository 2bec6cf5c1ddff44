#pragma once
// Which string the status bar shows while a menu item is highlighted: items of
// the menus built at run time share the prompt of their range.

// The string id of the prompt for command `id` (the id itself outside the ranges).
unsigned PromptStringFor(unsigned id);
