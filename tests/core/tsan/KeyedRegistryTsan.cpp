// The registry under ThreadSanitizer: loader threads insert, replace and erase
// while a reader polls, as the loading screen and its reload key do.

#include "core/KeyedRegistry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace
{
struct FakeTexture
{
    explicit FakeTexture(std::string source) : pixels(std::move(source)) {}
    std::string pixels;
};
} // namespace

TEST(KeyedRegistryConcurrency, LoadersAndPollingReaderAgree)
{
    KeyedRegistry<FakeTexture> registry;
    constexpr int kThreads = 4;
    constexpr int kKeysPerThread = 200;
    std::atomic<bool> done{false};
    std::atomic<long> seen{0};

    std::thread reader([&] {
        while (!done)
        {
            std::size_t present = 0;
            for (int t = 0; t < kThreads; ++t)
                for (int k = 0; k < kKeysPerThread; k += 17)
                    present += registry.contains("key" + std::to_string(t) + "_" + std::to_string(k)) ? 1 : 0;
            seen += static_cast<long>(present) + static_cast<long>(registry.size());
        }
    });

    std::vector<std::thread> loaders;
    for (int t = 0; t < kThreads; ++t)
        loaders.emplace_back([&, t] {
            for (int k = 0; k < kKeysPerThread; ++k)
            {
                const std::string key = "key" + std::to_string(t) + "_" + std::to_string(k);
                registry.put(key, std::make_unique<FakeTexture>("pixels of " + key));
                if (k % 5 == 0)
                    registry.put(key, std::make_unique<FakeTexture>("reloaded " + key)); // replace
                if (k % 7 == 0)
                    registry.erase(key);
            }
        });
    for (auto& loader : loaders)
        loader.join();
    done = true;
    reader.join();

    std::size_t expected = 0;
    for (int k = 0; k < kKeysPerThread; ++k)
        expected += (k % 7 == 0) ? 0 : 1;
    EXPECT_EQ(registry.size(), expected * kThreads);
    ASSERT_NE(registry.get("key1_5"), nullptr);
    EXPECT_EQ(registry.get("key1_5")->pixels, "reloaded key1_5");
    EXPECT_EQ(registry.get("key2_7"), nullptr);
}
