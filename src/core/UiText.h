#pragma once

#include <SFML/System/String.hpp>

#include <string>
#include <vector>

// The words the screens draw, in English and French, and the language they are
// shown in. Every text a player reads is looked up here, so that choosing French in
// the settings turns every screen French. The language follows the settings file: it
// is read at start-up and changed by the settings screen.
class UiText
{
public:
    enum Id : unsigned
    {
        // Titles the loading screen is given, and its counter ("Loading: 3/40").
        LOADING_DOTS,
        LOADING_PLAIN,
        STARTING_GAME,
        LOADING_COUNTER,
        // The pause menu's title and the line with the run's seed.
        PAUSE_TITLE,
        RUN_SEED,
        // The trade window.
        TRADER_INVENTORY,
        PLAYER_INVENTORY,
        BUY_AMOUNT,
        SELL_AMOUNT,
        NOT_ENOUGH_SOULS,
        NOT_ENOUGH_GOLD,
        NOT_ENOUGH_ROOM,
        // The pentagram's prompt in a heal room.
        PENTAGRAM_PROMPT,
        // The bag's tooltips and the scythe's summary.
        BAG_COUNT,
        BAG_GOLD_PER_UNIT,
        BAG_SOUL_PER_UNIT,
        BAG_TOTAL,
        BAG_GOLD,
        BAG_SOUL,
        BAG_DAMAGE_BONUS,
        BAG_REACH_BONUS,
        BAG_GOLD_CHANCE,
        BAG_GOLD_ON_HIT,
        BAG_LOOT_CHANCE,
        BAG_SPEED_BONUS,
        BAG_DAMAGE,
        BAG_REACH,
        BAG_SPEED,
        BAG_GOLD_ON_HIT_SHORT,
        BAG_LOOT_ON_HIT,
        // The bag's amount dialog.
        DELETE_AMOUNT,
        DROP_AMOUNT,
        AMOUNT_KEYS,
        COUNT
    };

    static constexpr unsigned kEnglish = 0;
    static constexpr unsigned kFrench = 1;

    // The words in the shown language, as UTF-8.
    static const std::string& get(Id id);
    static const std::string& get(Id id, unsigned language);
    // The same, ready for an sf::Text (accents kept).
    static sf::String shown(Id id);
    static sf::String shown(const std::string& utf8);

    // Texts the game knows by their English words (the loading screens' titles, the
    // items' names and descriptions): the words in the shown language, or the words
    // themselves when the tables do not know them.
    static const std::string& translate(const std::string& english);
    // The items' and artefacts' names and descriptions, in `language`.
    static std::vector<std::string> phrases(unsigned language);

    // The shown language; any value but French shows English.
    static unsigned language();
    static void setLanguage(unsigned language);

    // Every id, for the screens' lists of texts.
    static std::vector<Id> all();
};
