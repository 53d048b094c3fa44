#pragma once
#include <cstdlib>
#include <string>

// The folder of the OECD schemas: TESVANT_OECD_XSD_DIR from the environment when
// set (the shared folder need not lie beside the sources), else the build's.
inline std::string OecdXsdDir()
{
    if (const char* szDir = std::getenv("TESVANT_OECD_XSD_DIR"); szDir != nullptr && *szDir != '\0')
        return szDir;
    return TESVANT_OECD_XSD_DIR;
}
