#include "core/UiText.h"

#include <array>
#include <atomic>

namespace
{
struct Words
{
    const char* english;
    const char* french;
};

// In the order of UiText::Id.
const std::array<Words, UiText::COUNT> kWords = {{
    {"Loading...", "Chargement..."},
    {"Loading", "Chargement"},
    {"Starting game", "Lancement du jeu"},
    {"Loading: ", "Chargement : "},
    {"Paused", "Pause"},
    {"Seed: ", "Graine : "},
    {"Trader Inventory", "Inventaire du marchand"},
    {"Player Inventory", "Inventaire du joueur"},
    {"Buy Amount: ", "Quantité à acheter : "},
    {"Sell Amount: ", "Quantité à vendre : "},
    {"Not enough souls", "Pas assez d'âmes"},
    {"Not enough gold", "Pas assez d'or"},
    {"Not enough room", "Plus de place dans le sac"},
    {"Press E to consume your soul and heal", "Appuyez sur E pour consumer votre âme et guérir"},
    {"    Nb: ", "    Nb : "},
    {" Gold / Unit", " Or / Unité"},
    {" Soul / Unit", " Âme / Unité"},
    {"\nTotal ", "\nTotal "},
    {" Gold", " Or"},
    {" Soul", " Âme"},
    {"% Damage", "% Dégâts"},
    {"% Reach", "% Portée"},
    {"% Chance of ", "% de chances de "},
    {" Gold spawing on hit", " Or à l'impact"},
    {"% Chance of looting on hit", "% de chances de butin à l'impact"},
    {"% Speed", "% Vitesse"},
    {"Damage: ", "Dégâts : "},
    {"Reach: ", "Portée : "},
    {"% speed", "% vitesse"},
    {" G on hit", " Or à l'impact"},
    {"% loot on hit", "% butin à l'impact"},
    {"Delete Amount: ", "Quantité à détruire : "},
    {"Drop Amount: ", "Quantité à jeter : "},
    {"\n<  >  1      Up / Down  10      Enter", "\n<  >  1      Haut / Bas  10      Entrée"},
}};

// The items' and artefacts' names and descriptions, which the game knows by their
// English words.
const Words kPhrases[] = {
    {"Bell", "Cloche"},
    {"Dropped by Toatao, the sound from it is feared by all.", "Lâchée par Toatao, tous craignent son tintement."},
    {"Cloth Piece", "Bout de tissu"},
    {"Small piece of cloth, it stinks.", "Petit bout de tissu, il empeste."},
    {"Demon Eye", "Œil de démon"},
    {"Those who have looked in it felt their soul leaving their body.",
     "Ceux qui y ont plongé le regard ont senti leur âme quitter leur corps."},
    {"Devil Tail", "Queue de diable"},
    {"Has a devilish look and smells of rotting flesh.", "Elle a l'air diabolique et sent la chair pourrie."},
    {"Gold Coin", "Pièce d'or"},
    {"The symbol of wealth and power.", "Le symbole de la richesse et du pouvoir."},
    {"Halo Piece", "Éclat d'auréole"},
    {"Looks like a broken piece of an angel halo.", "On dirait un morceau brisé d'auréole d'ange."},
    {"Magmatic Rock", "Roche magmatique"},
    {"Apparently it have the heat of an eruption.", "Elle garde, paraît-il, la chaleur d'une éruption."},
    {"Stone Brain", "Cerveau de pierre"},
    {"Should be the brain of those magmatic creatures.", "Sans doute le cerveau de ces créatures de magma."},
    {"Tooth", "Dent"},
    {"Dropped by Nepturath, it has lost its original glow.", "Lâchée par Nepturath, elle a perdu son éclat d'origine."},
    {"Wooden Horn", "Corne de bois"},
    {"It is not an normal piece of wood.", "Ce n'est pas un morceau de bois ordinaire."},
    {"Blue Feather", "Plume bleue"},
    {"Dropped by Dark Hulant, it is the weightless thing you ever carried.",
     "Lâchée par Dark Hulant, c'est la chose la plus légère que vous ayez portée."},
    {"Angel Blood", "Sang d'ange"},
    {"Mysterious liquid in a glass vial.", "Un liquide mystérieux dans une fiole de verre."},
    {"Blue Mushroom Piece", "Morceau de champignon bleu"},
    {"A piece of bouncy material, might deminish your body size if eaten.",
     "Une matière élastique ; mangée, elle pourrait vous faire rapetisser."},
    {"Demon Blood", "Sang de démon"},
    {"Leaf", "Feuille"},
    {"Most normal thing to see inside a tree.", "La chose la plus banale à trouver dans un arbre."},
    {"Red Mushroom Piece", "Morceau de champignon rouge"},
    {"A piece of bouncy material, might increase your body size if eaten.",
     "Une matière élastique ; mangée, elle pourrait vous faire grandir."},
    {"Tentacle", "Tentacule"},
    {"You do not want to know what people think of doing with this thing.",
     "Mieux vaut ignorer ce que certains songent à faire de cette chose."},
    {"Thorns Crown", "Couronne d'épines"},
    {"Looks like a painful crown.", "Une couronne qui a l'air douloureuse."},
    {"Reach Artefact", "Artefact de portée"},
    {"This artefact will increase your reach", "Cet artefact allonge votre portée"},
    {"Damage Artefact", "Artefact de dégâts"},
    {"This artefact will strengthen your weapon", "Cet artefact renforce votre arme"},
    {"Gold Artefact", "Artefact d'or"},
    {"This artefact will spawn gold on hit", "Cet artefact fait jaillir de l'or à l'impact"},
    {"Loot Artefact", "Artefact de butin"},
    {"This artefact will drop loot on hit", "Cet artefact fait tomber du butin à l'impact"},
    {"Speed Artefact", "Artefact de vitesse"},
    {"This artefact will make you move faster", "Cet artefact vous fait aller plus vite"},
};

std::atomic<unsigned> gLanguage{UiText::kEnglish};
} // namespace

const std::string& UiText::get(Id id)
{
    return get(id, language());
}

const std::string& UiText::get(Id id, unsigned language)
{
    // Built once: callers keep references.
    static const auto table = []
    {
        std::array<std::array<std::string, 2>, COUNT> strings;
        for (std::size_t i = 0; i < kWords.size(); ++i)
            strings[i] = {kWords[i].english, kWords[i].french};
        return strings;
    }();
    static const std::string empty;
    if (id >= COUNT)
        return empty;
    return table[id][language == kFrench ? 1 : 0];
}

sf::String UiText::shown(Id id)
{
    return shown(get(id));
}

sf::String UiText::shown(const std::string& utf8)
{
    return sf::String::fromUtf8(utf8.begin(), utf8.end());
}

const std::string& UiText::translate(const std::string& english)
{
    for (Id id : all())
        if (get(id, kEnglish) == english)
            return get(id);
    // Built once: callers keep references.
    static const auto phrases = []
    {
        std::vector<std::array<std::string, 2>> strings;
        for (const Words& words : kPhrases)
            strings.push_back({words.english, words.french});
        return strings;
    }();
    if (language() == kFrench)
        for (const auto& words : phrases)
            if (words[0] == english)
                return words[1];
    return english;
}

std::vector<std::string> UiText::phrases(unsigned language)
{
    std::vector<std::string> shown;
    for (const Words& words : kPhrases)
        shown.push_back(language == kFrench ? words.french : words.english);
    return shown;
}

unsigned UiText::language()
{
    return gLanguage.load();
}

void UiText::setLanguage(unsigned language)
{
    gLanguage = language == kFrench ? kFrench : kEnglish;
}

std::vector<UiText::Id> UiText::all()
{
    std::vector<Id> ids;
    for (unsigned i = 0; i < COUNT; ++i)
        ids.push_back(static_cast<Id>(i));
    return ids;
}
