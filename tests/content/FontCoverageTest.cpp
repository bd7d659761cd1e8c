// Every text the game letters at run time must find each of its letters in its font:
// a missing glyph draws as a gap ("votre  me" for "votre âme"), in French above all.

#include "core/FontManager.h"
#include "core/UiText.h"
#include "run/TutorialSteps.h"
#include "world/Pentagram.h"

#include <SFML/System/String.hpp>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
std::string fileOf(const std::string& key)
{
    for (const auto& [file, name] : FontManager::fontFiles())
        if (name == key)
            return "Assets/Fonts/" + file;
    return {};
}

// The letters of `texts` that the font `key` has no glyph for.
std::string missingLetters(const std::string& key, const std::vector<std::string>& texts)
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return "(FreeType did not start)";
    std::string missing;
    if (FT_New_Face(library, fileOf(key).c_str(), 0, &face) != 0)
        missing = "(no font file for " + key + ")";
    else
    {
        std::set<sf::Uint32> reported;
        for (const std::string& text : texts)
            for (sf::Uint32 letter : sf::String::fromUtf8(text.begin(), text.end()))
                if (letter > ' ' && FT_Get_Char_Index(face, letter) == 0 && reported.insert(letter).second)
                {
                    const auto utf8 = sf::String(letter).toUtf8();
                    missing += std::string(utf8.begin(), utf8.end()) + " (in \"" + text + "\") ";
                }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return missing;
}
} // namespace

TEST(FontCoverage, TheScreensWordsTheItemsPhrasesAndTheTutorialsHelpHaveEveryLetterInBothLanguages)
{
    for (unsigned language : {0u, UiText::kFrench})
    {
        std::vector<std::string> texts = UiText::phrases(language);
        for (int id = 0; id < static_cast<int>(UiText::COUNT); ++id)
            texts.push_back(UiText::get(static_cast<UiText::Id>(id), language));
        for (int help = 0; help < static_cast<int>(TutorialSteps::HELP_COUNT); ++help)
            texts.push_back(TutorialSteps::helpText(static_cast<TutorialSteps::Help>(help), language));
        EXPECT_EQ(missingLetters("Ironhelm", texts), "") << "language " << language;
    }
}

TEST(FontCoverage, ThePentagramPromptHasEveryLetterInItsFont)
{
    for (unsigned language : {0u, UiText::kFrench})
        EXPECT_EQ(missingLetters(Pentagram::promptFont(language),
                                 {UiText::get(UiText::PENTAGRAM_PROMPT, language)}),
                  "")
            << "language " << language;
}
