#include "run/TutorialSteps.h"

#include "core/RoomNameRegistry.h"

#include <algorithm>
#include <array>

namespace
{
using Texts = std::array<std::string, TutorialSteps::HELP_COUNT>;

const Texts kEnglish = {
    "- E : interact\n\n- M : minimap\n\n- T : last tutorial",
    "- E : interact\n\n- M : minimap\n\n- T: last tutorial",
    "- SPACE : Dodge\n\n-  LEFT MOUSE CLICK : attack\n\n- T : last tutorial",
    "- SPACE : Dodge\n\n- LEFT MOUSE CLICK : attack\n\n- E : spare or kill the enemy\n\n- T : show the last tutorial",
    "- F : pick up the loot\n\n- TAB : open the inventory\n\n- ARROW : move in the inventory\n\n- ENTER : select the "
    "item\n\n- T : show the last tutorial",
    "- T : last tutorial",
    "- ARROW : move in the inventory\n\n- ENTER : select the item\n\n- T : last tutorial",
    "- F : pick up the loot\n\n- TAB : inventory\n\n- ARROW : move in the inventory\n\n- ENTER : select the item\n\n- T "
    ": last tutorial\n\n- Let's go to the last door !",
};

// UTF-8, as the screen turns it into a text.
const Texts kFrench = {
    "- E : interagir\n\n- M : carte\n\n- T : dernier tutoriel",
    "- E : interagir\n\n- M : carte\n\n- T: dernier tutoriel",
    "- ESPACE : esquiver\n\n-  CLIC GAUCHE : attaquer\n\n- T : dernier tutoriel",
    "- ESPACE : esquiver\n\n- CLIC GAUCHE : attaquer\n\n- E : \xc3\xa9pargner ou tuer l'ennemi\n\n- T : revoir le "
    "dernier tutoriel",
    "- F : ramasser le butin\n\n- TAB : ouvrir l'inventaire\n\n- FL\xc3\x88"
    "CHES : parcourir l'inventaire\n\n- ENTR\xc3\x89"
    "E : choisir l'objet\n\n- T : revoir le dernier tutoriel",
    "- T : dernier tutoriel",
    "- FL\xc3\x88"
    "CHES : parcourir l'inventaire\n\n- ENTR\xc3\x89"
    "E : choisir l'objet\n\n- T : dernier tutoriel",
    "- F : ramasser le butin\n\n- TAB : inventaire\n\n- FL\xc3\x88"
    "CHES : parcourir l'inventaire\n\n- ENTR\xc3\x89"
    "E : choisir l'objet\n\n- T : dernier tutoriel\n\n- En route vers la derni\xc3\xa8re porte !",
};

// The reminder that E at each odd step puts up for the step after it; HELP_COUNT
// leaves the one shown.
constexpr std::array<TutorialSteps::Help, TutorialSteps::kPageCount> kHelpAfterPage = {
    TutorialSteps::HELP_COUNT, TutorialSteps::HELP_FIGHT,  TutorialSteps::HELP_SOUL,
    TutorialSteps::HELP_LOOT,  TutorialSteps::HELP_REPLAY, TutorialSteps::HELP_COUNT,
    TutorialSteps::HELP_TRADE, TutorialSteps::HELP_LAST_DOOR, TutorialSteps::HELP_COUNT,
};
} // namespace

int TutorialSteps::page() const
{
    return std::clamp(step_ / 2 + 1, 1, kPageCount);
}

const std::string& TutorialSteps::helpText(Help help, unsigned language)
{
    const Texts& texts = language == 1 ? kFrench : kEnglish;
    return texts[static_cast<std::size_t>(std::clamp(static_cast<int>(help), 0, HELP_COUNT - 1))];
}

bool TutorialSteps::testGoal(const Goals& goals)
{
    bool met = false;
    switch (step_)
    {
    case 0:
        met = true;
        break;
    case 2:
        met = goals.enemyWithinReach;
        break;
    case 4:
    case 12:
        met = goals.enemyDown;
        break;
    case 6:
        met = goals.itemLying || !goals.enemyPresent;
        // Settled on the way into the heal room: that room's page comes straight away.
        if (met && goals.roomType == ROOM_HEAL)
        {
            step_ = 9;
            return true;
        }
        break;
    case 8:
        met = goals.roomType == ROOM_HEAL;
        break;
    case 10:
        met = goals.roomType == ROOM_ELITE;
        break;
    case 14:
        met = goals.roomType == ROOM_SHOP;
        break;
    case 16:
        met = goals.playerY <= kLastDoorY;
        break;
    default:
        break;
    }
    if (met)
        ++step_;
    return met;
}

bool TutorialSteps::readOn()
{
    if (!reading())
        return false;
    if (step_ >= kLastStep)
        return true;
    const Help next = kHelpAfterPage[static_cast<std::size_t>(step_ / 2)];
    if (next != HELP_COUNT)
        help_ = next;
    ++step_;
    return false;
}

bool TutorialSteps::goBack()
{
    if (!playing())
        return false;
    if (step_ == 2)
        help_ = HELP_START_AGAIN;
    --step_;
    return true;
}

bool TutorialSteps::chordPressed(bool escapeHeld, bool f1Held)
{
    const bool down = escapeHeld && f1Held;
    const bool pressed = down && !chordDown_;
    chordDown_ = down;
    return pressed;
}
