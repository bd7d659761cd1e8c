#include "core/CopyShader.h"

#include "core/Logger.h"

#include <string>

bool CopyShader::load()
{
    if (tried_)
        return loaded_;
    tried_ = true;
    if (!sf::Shader::isAvailable())
        return false;
    loaded_ = shader_.loadFromFile(kFile, sf::Shader::Fragment);
    if (loaded_)
        shader_.setUniform("texture", sf::Shader::CurrentTexture);
    else
        Logger::Warning(std::string("Failed to load shader ") + kFile);
    return loaded_;
}
