#pragma once
#include <string>

// Helpers shared by the Linux bodies of the platform layer only.
namespace CLCLinuxFile {

// The whole file's bytes; false (strData untouched) when the path is null or
// empty, cannot be opened, or a read fails (a folder, an I/O error).
bool ReadWholeFile(const char* szPath, std::string& strData);

} // namespace CLCLinuxFile
