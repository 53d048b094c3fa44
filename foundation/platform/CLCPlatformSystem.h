#pragma once
#include "foundation/platform/CLCMacOSNative.h"
#include <functional>
#include <string>
#include <vector>

// What each system's body provides to the portable parts of the platform layer
// (CLCMacOSNative*_common.cpp). Paths are UTF-8. Not for the core.
namespace CLCPlatformSystem {

// The local civil date and time now, to the second.
CLCDate LocalNow();

// The whole file's bytes; false (strData untouched) when the path is null or
// empty, cannot be opened, or a read fails (a folder, an I/O error).
bool ReadWholeFile(const char* szPath, std::string& strData);

// Replaces the file with exactly the bytes, or leaves it as it was: the bytes
// go to a temporary file beside it (its name begins with "."), reach the disk
// and only then take the target's name. False for a folder or a file that may
// not be written. A gate, when given, is asked once the bytes are on disk
// and before they take the name: false leaves the file as it was (and false).
bool WriteFileSafely(const char* szPath, const std::string& strBytes, const std::function<bool()>& fnMayReplace = {});
// A gate's answer; one that throws answers false.
inline bool AskGate(const std::function<bool()>& fnGate)
{
    try {
        return fnGate();
    } catch (...) {
        return false;
    }
}

// One entry of a folder as the system lists it ("." and ".." never come).
struct SFolderEntry {
    std::string strName;
    bool bFolder = false;
    bool bHidden = false;   // the Windows hidden attribute
};
// False when the folder cannot be read.
bool ListFolder(const std::string& strFolder, std::vector<SFolderEntry>& vecEntries);

// The system's own folder dialog: 1 chosen (strChosen set), 0 cancelled,
// -1 failure (the Windows dialog: only the chosen folder's path; a dialog
// that cannot run throws there).
int ChooseFolder(const char* szInitialFolder, std::string& strChosen);

} // namespace CLCPlatformSystem
