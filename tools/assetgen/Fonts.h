#pragma once

// The font files the game ships (copied from Debian's font packages) and the ones
// the painters letter pictures with.
namespace fonts
{
// A heavy blackletter for titles and counters.
inline const char* const kTitle = "/usr/share/fonts/truetype/blankenburg/Blankenburg_UNZ1A.ttf";
// A brush script.
inline const char* const kBrush = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";
// An old gothic roman for ritual inscriptions.
inline const char* const kRitual = "/usr/share/fonts/opentype/gotico-antiqua/Rusch-GoticoAntiqua100G.otf";
// A strong sans for small print that must stay legible.
inline const char* const kPlain = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf";
inline const char* const kPlainBlack = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf";
} // namespace fonts
