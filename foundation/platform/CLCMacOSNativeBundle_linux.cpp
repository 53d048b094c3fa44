#include "foundation/platform/CLCMacOSNative.h"
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <system_error>

// Where the definition files are looked up, first match wins:
//  1. $TESVANT_DEFINITION_DIR, when set and not empty. It replaces the search
//     below, so a deployment or a test knows exactly which files it gets.
//  2. Beside the shared library itself (located with dladdr):
//       <libdir>/libtesvant.so.1
//       <libdir>/tesvant/definitions/<file>   the installed layout
//       <libdir>/definitions/<file>           an unpacked, self-contained copy
//  3. The source tree's definitions/ (TESVANT_SOURCE_DEFINITION_DIR), so the
//     build tree and the tests work without installing.
// A path is returned only for an existing regular file.

namespace fs = std::filesystem;

namespace {
constexpr const char* kOverrideVariable = "TESVANT_DEFINITION_DIR";

bool IsFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The folder holding this library; empty when it cannot be found.
fs::path LibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&CLCMacOSNative::getBundlePathName), &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::error_code ec;
    const fs::path library = fs::weakly_canonical(fs::path(info.dli_fname), ec);
    if (ec)
        return {};
    return library.parent_path();
}
} // namespace

std::string CLCMacOSNative::getBundlePathName(const char* szName)
{
    if (szName == nullptr || *szName == '\0')
        return "";
    // Only the last component names the file: never a way out of the folders.
    const fs::path name = fs::path(szName).filename();
    if (name.empty() || name == "." || name == "..")
        return "";

    const char* szOverride = std::getenv(kOverrideVariable);
    if (szOverride != nullptr && *szOverride != '\0') {
        const fs::path path = fs::path(szOverride) / name;
        return IsFile(path) ? path.string() : "";
    }

    const fs::path libraryFolder = LibraryFolder();
    if (!libraryFolder.empty()) {
        for (const fs::path& folder : {libraryFolder / "tesvant" / "definitions", libraryFolder / "definitions"}) {
            const fs::path path = folder / name;
            if (IsFile(path))
                return path.string();
        }
    }

#ifdef TESVANT_SOURCE_DEFINITION_DIR
    const fs::path path = fs::path(TESVANT_SOURCE_DEFINITION_DIR) / name;
    if (IsFile(path))
        return path.string();
#endif
    return "";
}

std::string CLCMacOSNative::getDefinitionResource(unsigned short /*usId*/)
{
    return "";   // the definitions are files here
}
