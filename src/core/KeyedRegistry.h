#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// A map from string key to an owned resource, safe to use from several threads:
// loader threads insert and erase while the main thread looks keys up. Resources
// are built outside the lock and only moved in under it, so building (decoding a
// file, say) runs in parallel.
template <typename T>
class KeyedRegistry
{
public:
    // Inserts or replaces; returns the number of keys afterwards. The replaced
    // resource, if any, is destroyed after the lock is released.
    std::size_t put(const std::string& key, std::unique_ptr<T> value)
    {
        std::unique_ptr<T> old;
        std::size_t count;
        {
            std::lock_guard lock(mutex_);
            auto& slot = items_[key];
            old = std::move(slot);
            slot = std::move(value);
            count = items_.size();
        }
        return count;
    }

    // Removes the key; returns true when it was present. `remaining` receives the new count.
    bool erase(const std::string& key, std::size_t* remaining = nullptr)
    {
        std::unique_ptr<T> old;
        {
            std::lock_guard lock(mutex_);
            auto it = items_.find(key);
            if (it == items_.end())
                return false;
            old = std::move(it->second);
            items_.erase(it);
            if (remaining)
                *remaining = items_.size();
        }
        return true;
    }

    // The resource lives until its key is erased; callers must not erase a key
    // whose resource another thread is still using.
    T* get(const std::string& key) const
    {
        std::lock_guard lock(mutex_);
        auto it = items_.find(key);
        return it == items_.end() ? nullptr : it->second.get();
    }

    bool contains(const std::string& key) const { return get(key) != nullptr; }

    std::size_t size() const
    {
        std::lock_guard lock(mutex_);
        return items_.size();
    }

    std::vector<std::string> keys() const
    {
        std::lock_guard lock(mutex_);
        std::vector<std::string> result;
        result.reserve(items_.size());
        for (const auto& [key, value] : items_)
            result.push_back(key);
        return result;
    }

    // Calls fn(key, resource) for every entry in key order, under the lock: fn must
    // not call back into the registry.
    template <typename Fn>
    void forEach(Fn&& fn)
    {
        std::lock_guard lock(mutex_);
        for (auto& [key, value] : items_)
            fn(key, *value);
    }

    void clear()
    {
        std::map<std::string, std::unique_ptr<T>> old;
        std::lock_guard lock(mutex_);
        old.swap(items_);
    }

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::unique_ptr<T>> items_;
};
