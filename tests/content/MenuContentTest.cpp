#include "core/ContentCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
TEST(MenuContent, EveryCatalogGroupNamesOnlyGeneratedFiles)
{
    if (!std::filesystem::exists("Assets/Sprites/Buttons/background.png"))
        GTEST_SKIP() << "the content generator has not run";
    for (const auto& named : ContentCatalog::textureGroups())
    {
        EXPECT_GT(named.group->size(), 0u) << named.owner << " is empty";
        for (const auto& [key, path] : named.group->flatten())
        {
            EXPECT_EQ(path.rfind("Assets/Sprites/", 0), 0u) << named.owner << ": " << key << " -> " << path
                                                           << " is outside the one content tree";
            EXPECT_TRUE(std::filesystem::is_regular_file(path)) << named.owner << ": " << key << " -> " << path;
        }
    }
}
} // namespace
