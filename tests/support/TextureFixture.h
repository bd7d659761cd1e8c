#pragma once
#include <unistd.h>

#include "core/TextureManager.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Writes small PNG files into a private folder and empties the texture registry
// around each test. Tests using it need an X display (textures live on the GPU).
class TextureFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("umbravale-textures-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        TextureManager::clear();
    }
    void TearDown() override
    {
        TextureManager::clear();
        std::filesystem::remove_all(dir_);
    }

    // A w × h picture, filled with one colour; returns its path.
    std::string picture(const std::string& name, unsigned w, unsigned h, sf::Color colour = sf::Color::Red)
    {
        sf::Image image;
        image.create(w, h, colour);
        const std::string path = (dir_ / (name + ".png")).string();
        image.saveToFile(path);
        return path;
    }
    std::string missing(const std::string& name) const { return (dir_ / (name + ".png")).string(); }

private:
    std::filesystem::path dir_;
};
