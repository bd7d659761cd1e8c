// The player's content, as the game loads it and the content generator paints it:
// texture keys and files of the animation sets, the texture group and the sounds.
#include "run/Player.h"

#include "run/RunTextures.h"

#include <cctype>
#include <string>
#include <vector>

namespace
{
std::string capitalised(std::string word)
{
    if (!word.empty())
        word[0] = char(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

char directionLetter(const std::string& direction)
{
    return direction == "top" ? 'U' : char(std::toupper(static_cast<unsigned char>(direction[0])));
}
} // namespace

std::string Player::textureKey(const SheetLayout& sheet, Form form)
{
    std::string key = std::string("Player_") + sheet.action + "_" + sheet.direction;
    if (form == Form::Good)
        key += "_good";
    else if (form == Form::Bad)
        key += "_bad";
    return key;
}

std::string Player::sheetFile(const SheetLayout& sheet, Form form)
{
    const std::string action = capitalised(sheet.action);
    const std::string letter(1, directionLetter(sheet.direction));
    if (form == Form::Neutral)
    {
        // The loading screen's running figure is the neutral reaper walking right: one picture for both.
        if (action == "Walk" && std::string(sheet.direction) == "right")
            return "Assets/Sprites/Player/Walk_Right/spritesheet_2.png";
        return "Assets/Sprites/Player/" + action + "_" + capitalised(sheet.direction) + "/SpriteSheet_Player_" +
               action + letter + ".png";
    }
    const std::string side = form == Form::Bad ? "Evil" : "Holy";
    return "Assets/Sprites/Player/" + action + "/SpriteSheet-" + side + "_Player_" + action + "_" + letter + ".png";
}

bool Player::sheetOfFile(const std::string& file, SheetLayout& sheet, Form& form)
{
    for (const auto& candidate : kSheets)
        for (Form f : kForms)
            if (sheetFile(candidate, f) == file)
            {
                sheet = candidate;
                form = f;
                return true;
            }
    return false;
}

std::unique_ptr<TextureManager::Group> Player::textureGroup()
{
    auto group = std::make_unique<TextureManager::Group>();
    for (Form form : kForms)
        for (const auto& sheet : kSheets)
            group->add(textureKey(sheet, form), sheetFile(sheet, form));
    group->add(kNepturathShadowKey, kNepturathShadowFile);
    group->add(RunTextures::kHealRuneKey, RunTextures::kHealRuneFile);
    return group;
}

std::vector<std::string> Player::soundFiles()
{
    return {kScytheSound, kDodgeSound, kHitSound, kDeathSound, kSuccessSound};
}
