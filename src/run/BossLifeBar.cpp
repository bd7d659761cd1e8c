#include "run/BossLifeBar.h"

std::unique_ptr<TextureManager::Group> BossLifeBar::bossBarGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (const auto& piece : kPieces)
        group->add(piece.key, piece.file);
    return group;
}
