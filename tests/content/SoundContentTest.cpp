#include "run/Player.h"
#include "run/RunTextures.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{
int peakOf(const sf::SoundBuffer& buffer)
{
    int peak = 0;
    for (std::size_t i = 0; i < buffer.getSampleCount(); ++i)
        peak = std::max(peak, std::abs(int(buffer.getSamples()[i])));
    return peak;
}
} // namespace

TEST(GeneratedSounds, PlayerSoundsDecodeAreAudibleAndDoNotClip)
{
    for (const auto& file : Player::soundFiles())
    {
        sf::SoundBuffer buffer;
        ASSERT_TRUE(buffer.loadFromFile(file)) << file;
        EXPECT_GE(buffer.getDuration().asSeconds(), 0.1f) << file;
        EXPECT_LE(buffer.getDuration().asSeconds(), 5.f) << file << ": a sound effect, not a piece";
        const int peak = peakOf(buffer);
        EXPECT_GT(peak, 8000) << file << " is nearly silent";
        EXPECT_LT(peak, 32767) << file << " clips";
    }
}

// The zone music loops for as long as the run lasts: its end must run into its start
// as smoothly as any two neighbouring samples inside it, or every loop clicks.
TEST(GeneratedSounds, ZoneMusicLastsAMinuteAndLoopsWithoutAJump)
{
    sf::SoundBuffer music;
    ASSERT_TRUE(music.loadFromFile(RunTextures::kZoneMusic));
    EXPECT_GE(music.getDuration().asSeconds(), 60.f);
    const unsigned channels = music.getChannelCount();
    const sf::Int16* samples = music.getSamples();
    const std::size_t frames = music.getSampleCount() / channels;
    ASSERT_GT(frames, 2u);
    EXPECT_LT(peakOf(music), 32767) << "the music clips";

    for (unsigned ch = 0; ch < channels; ++ch)
    {
        std::vector<int> steps;
        steps.reserve(frames);
        for (std::size_t i = 1; i < frames; ++i)
            steps.push_back(std::abs(samples[i * channels + ch] - samples[(i - 1) * channels + ch]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
        const int usualLargeStep = steps[steps.size() * 999 / 1000];
        const int joinStep = std::abs(samples[ch] - samples[(frames - 1) * channels + ch]);
        EXPECT_LE(joinStep, std::max(usualLargeStep, 64))
            << "channel " << ch << ": the loop's join jumps by " << joinStep;

        // Nor does the loudness change at the join.
        auto rms = [&](std::size_t from, std::size_t count)
        {
            double sum = 0;
            for (std::size_t i = from; i < from + count; ++i)
                sum += double(samples[i * channels + ch]) * samples[i * channels + ch];
            return std::sqrt(sum / double(count));
        };
        const std::size_t window = music.getSampleRate() / 4;
        const double head = rms(0, window), tail = rms(frames - window, window);
        EXPECT_LT(std::abs(20 * std::log10((head + 1) / (tail + 1))), 3.0) << "channel " << ch;
    }
}
