#include "ui/folders/Listing.h"

// Core
#include "core/search/SearchSink.h"

StateWord MakeStateWord() { return std::make_shared<std::atomic<int>>(WorkState::Running); }

void StopWork(const StateWord& state)
{
    if (!state) return;
    int running = WorkState::Running;
    state->compare_exchange_strong(running, WorkState::Finished);
}
