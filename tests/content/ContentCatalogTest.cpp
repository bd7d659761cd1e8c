#include "ContentCatalog.h"

#include "core/LoadingScreen.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>

// Every file the program loads must have been generated, and every picture must decode.
TEST(GeneratedContent, EveryCataloguedFileExistsAndDecodes)
{
    const auto files = ContentCatalog::allFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& path : files)
    {
        ASSERT_TRUE(std::filesystem::exists(path)) << path << " is named by the game but was not generated";
        EXPECT_GT(std::filesystem::file_size(path), 0u) << path;
        if (std::filesystem::path(path).extension() == ".png")
        {
            sf::Image image;
            EXPECT_TRUE(image.loadFromFile(path)) << path << " does not decode";
            EXPECT_LE(image.getSize().x, 16384u) << path << " is wider than graphics cards accept";
            EXPECT_LE(image.getSize().y, 16384u) << path << " is taller than graphics cards accept";
        }
    }
}

TEST(GeneratedContent, EveryTextureGroupNamesOnlyGeneratedFiles)
{
    for (const auto& named : ContentCatalog::textureGroups())
        for (const auto& [key, path] : named.group->flatten())
            EXPECT_TRUE(std::filesystem::exists(path)) << named.owner << ": " << key << " -> " << path;
}

TEST(GeneratedContent, LoadingFigureSheetHasSixFramesOfTheFigureSize)
{
    sf::Image sheet;
    ASSERT_TRUE(sheet.loadFromFile(LoadingScreen::kAnimationFile));
    EXPECT_EQ(sheet.getSize(),
              sf::Vector2u(LoadingScreen::kFrameWidth * LoadingScreen::kFrameCount, LoadingScreen::kFrameHeight));
    // The figure moves: no two neighbouring frames are identical.
    auto frameDiffers = [&](unsigned a, unsigned b)
    {
        for (unsigned y = 0; y < LoadingScreen::kFrameHeight; ++y)
            for (unsigned x = 0; x < LoadingScreen::kFrameWidth; ++x)
                if (sheet.getPixel(a * LoadingScreen::kFrameWidth + x, y) !=
                    sheet.getPixel(b * LoadingScreen::kFrameWidth + x, y))
                    return true;
        return false;
    };
    for (unsigned f = 0; f < LoadingScreen::kFrameCount; ++f)
        EXPECT_TRUE(frameDiffers(f, (f + 1) % LoadingScreen::kFrameCount)) << "frame " << f;
}
