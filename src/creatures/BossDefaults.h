#pragma once

#include "creatures/EnemyRecords.h"

// The tuning the bosses and the owls fall back on where their data file is missing,
// cut short or of the wrong types: a fight with these values can be won and lost,
// so a broken file never leaves a boss that cannot be hurt, dies at once or stands
// still for ever. The loaders read every boss key with these as the defaults.
namespace BossDefaults
{
NepturathRecord nepturath();
DarkHulantRecord darkHulant();
LittleOwlRecord littleOwl();
TheGodRecord theGod();

// Fills what a boss cannot fight without (health, speeds, hit and collision shapes)
// from `defaults` when the record read lacks it, logging each repair under `file`.
void repair(NepturathRecord& record, const std::string& file);
void repair(DarkHulantRecord& record, const std::string& file);
void repair(LittleOwlRecord& record, const std::string& file);
void repair(TheGodRecord& record, const std::string& file);
} // namespace BossDefaults
