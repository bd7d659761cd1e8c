#include "core/JsonWriter.h"

#include "core/Logger.h"

#include <json/writer.h>

#include <filesystem>
#include <fstream>
#include <memory>

bool JsonWriter::writeAtomically(const std::string& path, const Json::Value& document)
{
    const std::filesystem::path target(path);
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        if (!stream)
        {
            Logger::Error("Cannot write " + temporary.string());
            return false;
        }
        // Fifteen significant digits: 0.7 is written as 0.7, not 0.69999999999999996.
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "   ";
        builder["precision"] = 15;
        std::unique_ptr<Json::StreamWriter> writer(builder.newStreamWriter());
        writer->write(document, &stream);
        stream << "\n\n";
        stream.flush();
        if (!stream)
        {
            Logger::Error("Cannot write " + temporary.string());
            stream.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, target, failure);
    if (failure)
    {
        Logger::Error("Cannot replace " + path + ": " + failure.message());
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}
