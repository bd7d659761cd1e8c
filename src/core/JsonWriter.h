#pragma once

#include <json/value.h>

#include <string>

// Writes JSON data files (the settings, the editor's room templates) so that a
// crash or a full disk never leaves a half-written file behind. Reading goes
// through JsonReader.
class JsonWriter
{
public:
    // Writes the document, indented and followed by a newline, into a temporary
    // file beside `path`, then renames it over `path`. False (logged) on failure.
    static bool writeAtomically(const std::string& path, const Json::Value& document);
};
