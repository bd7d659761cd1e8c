#include "core/FontManager.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

class Fonts : public ::testing::Test
{
protected:
    void SetUp() override { FontManager::clear(); }
    void TearDown() override { FontManager::clear(); }
};

TEST_F(Fonts, LoadAllRegistersTheThreeShippedFonts)
{
    LogCapture log;
    FontManager::loadAll();
    EXPECT_EQ(FontManager::count(), 3u);
    for (const char* key : {"Ironhelm", "Warbrush", "Ritual"})
    {
        EXPECT_NE(FontManager::getFont(key), nullptr) << key;
        EXPECT_EQ(log.count(std::string("Loaded font : ") + key), 1) << key;
    }
}

TEST_F(Fonts, MissingFileLogsOneErrorAndStoresNothing)
{
    LogCapture log;
    FontManager::loadFont("IRONHELM.TTF", "Ironhelm");
    FontManager::loadFont("NO-SUCH-FONT.TTF", "Warbrush");
    EXPECT_EQ(FontManager::count(), 1u);
    EXPECT_EQ(log.count("Couldn't load font : Warbrush"), 1);
}

TEST_F(Fonts, UnknownKeyWarnsOnEveryLookup)
{
    LogCapture log;
    EXPECT_EQ(FontManager::getFont("Comic"), nullptr);
    EXPECT_EQ(FontManager::getFont("Comic"), nullptr);
    EXPECT_EQ(log.count("You are trying to get an unknown font -> Comic"), 2);
}
