#include "core/GameState.h"

GameState::GameState(GroupList groups) : groups(std::move(groups)) {}

GameState::~GameState() { releaseGroups(); }

void GameState::releaseGroups()
{
    for (const auto& group : groups)
        group->unload();
    groups.clear();
}
