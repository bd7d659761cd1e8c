#pragma once

#include "core/GameSettings.h"
#include "core/JsonReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// Points the settings at a scratch file for the length of a test.
class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("umbravale-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "GameData.json").string();
        GameSettings::setFilePath(path_);
    }
    void TearDown() override
    {
        GameSettings::resetFilePath();
        std::filesystem::remove_all(dir_);
    }
    void write(const std::string& text)
    {
        std::ofstream out(path_, std::ios::binary);
        out << text;
    }
    Json::Value reread() const
    {
        Json::Value document;
        EXPECT_TRUE(JsonReader::parseFile(path_, document)) << "the settings file on disk is not valid JSON";
        return document;
    }

    std::filesystem::path dir_;
    std::string path_;
};
