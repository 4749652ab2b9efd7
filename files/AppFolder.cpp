#include "files/AppFolder.h"

#include <filesystem>
#include <system_error>

#include "files/TrailingSeparator.h"

namespace files {

std::string AppFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return WithTrailingSeparator(exe.parent_path().string());
    }
    // Without /proc there is no reliable way to find the executable; the
    // working folder is the best remaining guess.
    const std::filesystem::path current = std::filesystem::current_path(error);
    return WithTrailingSeparator(error ? std::string{"."} : current.string());
}

}  // namespace files
