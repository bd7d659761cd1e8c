#pragma once

#include <functional>
#include <string>

// Writes a whole file or leaves the old one as it was: the text goes to a
// temporary file beside the target, which is renamed over it once complete.
// A reader never sees a half-written file, whenever the program stops.
class AtomicFile
{
public:
    // Called once the temporary file is complete, before the rename; returning
    // false abandons the write (tests use it to stand for a crash at that moment).
    using BeforeRename = std::function<bool(const std::string& temporaryPath)>;

    // True when `path` now holds `text`. On failure `problem` (when given) says
    // what went wrong, the temporary file is removed and the old file is untouched.
    static bool write(const std::string& path, const std::string& text, std::string* problem = nullptr,
                      const BeforeRename& beforeRename = {});
    // The temporary file used for `path`.
    static std::string temporaryPathFor(const std::string& path);
};
