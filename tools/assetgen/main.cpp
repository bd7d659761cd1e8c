// The content generator: paints every picture and sheet and writes every sound
// and font file that the game's catalog names, into Assets/ under the given root.

#include "Canvas.h"
#include "Painter.h"

#include "ContentCatalog.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <regex>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace
{
const char* const kCacheFile = "Assets/.assetgen-cache";

struct Job
{
    std::string path;
    const Painter* painter;
    std::string stamp;
};

std::map<std::string, std::string> readCache()
{
    std::map<std::string, std::string> cache;
    std::ifstream in(kCacheFile);
    std::string line;
    while (std::getline(in, line))
    {
        auto tab = line.find('\t');
        if (tab != std::string::npos)
            cache[line.substr(tab + 1)] = line.substr(0, tab);
    }
    return cache;
}

void writeCache(const std::map<std::string, std::string>& cache)
{
    const std::string temp = std::string(kCacheFile) + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        for (const auto& [path, stamp] : cache)
            out << stamp << '\t' << path << '\n';
    }
    fs::rename(temp, kCacheFile);
}

std::string fileDigest(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "none";
    std::uint64_t h = 1469598103934665603ull;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            h = (h ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// The generator's own code that every painter draws with: a change repaints everything.
std::string sharedCodeDigest()
{
    std::set<std::string> painterFiles;
    for (const auto& painter : PainterRegistry::painters())
        painterFiles.insert(fs::path(PainterRegistry::sourceOf(painter.get())).lexically_normal().string());
    std::vector<fs::path> shared;
    for (const auto& entry : fs::recursive_directory_iterator(ASSETGEN_SOURCE_DIR))
    {
        const auto ext = entry.path().extension();
        if ((ext == ".cpp" || ext == ".h") && !painterFiles.count(entry.path().lexically_normal().string()))
            shared.push_back(entry.path());
    }
    std::sort(shared.begin(), shared.end());
    std::string all;
    for (const auto& file : shared)
        all += fileDigest(file);
    return std::to_string(hashString(all));
}

int usage()
{
    std::cerr << "usage: assetgen [--root DIR] [--force] [--only REGEX] [--list]\n";
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    bool force = false;
    bool list = false;
    std::string only;
    for (int i = 1; i < argc; ++i)
    {
        if (!std::strcmp(argv[i], "--root") && i + 1 < argc)
            fs::current_path(argv[++i]);
        else if (!std::strcmp(argv[i], "--force"))
            force = true;
        else if (!std::strcmp(argv[i], "--list"))
            list = true;
        else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
            only = argv[++i];
        else
            return usage();
    }
    // A fresh clone may not have the folder yet: git keeps no empty folders.
    std::error_code error;
    fs::create_directories("Assets", error);
    if (!fs::is_directory("Assets"))
    {
        std::cerr << "assetgen: cannot create the Assets folder in " << fs::current_path() << '\n';
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    auto cache = readCache();
    const std::string shared = sharedCodeDigest() + ":" + std::to_string(Canvas::kToolkitVersion);
    std::map<const Painter*, std::string> painterDigests;
    for (const auto& painter : PainterRegistry::painters())
        painterDigests[painter.get()] = fileDigest(PainterRegistry::sourceOf(painter.get()));
    std::vector<Job> jobs;
    std::vector<std::string> files = ContentCatalog::allFiles();
    int errors = 0;
    const std::regex onlyPattern(only.empty() ? ".*" : only);
    for (const auto& path : files)
    {
        auto claimants = PainterRegistry::claimants(path);
        if (claimants.size() != 1)
        {
            std::cerr << "assetgen: " << path << (claimants.empty() ? " is claimed by no painter" : " is claimed by")
                      << '\n';
            for (const Painter* p : claimants)
                std::cerr << "    " << p->name() << '\n';
            ++errors;
            continue;
        }
        const Painter* painter = claimants.front();
        if (list)
        {
            std::cout << painter->name() << '\t' << path << '\n';
            continue;
        }
        std::string stamp =
            painter->name() + ":" + std::to_string(painter->version()) + ":" + shared + ":" + painterDigests[painter];
        for (const auto& input : painter->inputs(path))
            stamp += ":" + fileDigest(input);
        const bool upToDate = cache.count(path) && cache[path] == stamp && fs::exists(path);
        if ((force || !upToDate) && std::regex_search(path, onlyPattern))
            jobs.push_back({path, painter, stamp});
    }
    if (errors)
    {
        std::cerr << "assetgen: " << errors << " file(s) without exactly one painter\n";
        return 1;
    }
    if (list)
        return 0;

    std::atomic<std::size_t> next{0};
    std::atomic<int> failures{0};
    std::mutex cacheMutex;
    auto worker = [&]
    {
        for (std::size_t i = next++; i < jobs.size(); i = next++)
        {
            const Job& job = jobs[i];
            const fs::path target(job.path);
            const fs::path partial = target.string() + ".partial" + target.extension().string();
            try
            {
                fs::create_directories(target.parent_path());
                job.painter->paint(job.path, partial);
                fs::rename(partial, target);
                std::lock_guard lock(cacheMutex);
                cache[job.path] = job.stamp;
            }
            catch (const std::exception& error)
            {
                std::lock_guard lock(cacheMutex);
                std::cerr << "assetgen: " << job.path << ": " << error.what() << '\n';
                ++failures;
            }
        }
    };
    const unsigned threads = std::max(1u, std::min<unsigned>(std::thread::hardware_concurrency(), jobs.size()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    for (auto& thread : pool)
        thread.join();
    writeCache(cache);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "assetgen: " << files.size() << " files, " << jobs.size() << " painted in " << seconds << " s"
              << std::endl;
    return failures ? 1 : 0;
}
