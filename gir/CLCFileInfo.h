#pragma once
#include "foundation/CLCCbCMessage.h"
#include <cstdint>
#include <string>

// One entry of a listed GIR folder, file or sub-folder. The controller owns the
// vector of them: first the entries of the chosen folder, then those of
// "02_GLOBEBody". nCheckState and nMessage are scratch marks of one folder-check
// step; every step resets them for the entries it visits.
struct CLCFileInfo_t {
    std::string strFolderPath;   // the folder as the listing was asked for
    std::string strFileName;     // the entry's name, without path
    int32_t nFolder = 0;         // 1 for a directory
    int32_t nCheckState = 0;     // 0 not examined or not matched, 1 recognised, 2 rejected
    CLCCbCMessage_t nMessage = CBC_MSG_NONE;   // why it was rejected
};
