#pragma once
// The GIR detail lists as one comparable text: "file<separator>text" per
// entry, entries joined by "\n".
#include <string>
#include <vector>

namespace girtest {

inline std::string JoinDetails(const std::vector<std::string>& vecFiles, const std::vector<std::string>& vecTexts,
                               const char* szSeparator)
{
    std::string strText;
    for (size_t i = 0; i < vecFiles.size() && i < vecTexts.size(); ++i)
        strText += (i == 0 ? "" : "\n") + vecFiles[i] + szSeparator + vecTexts[i];
    return strText;
}

} // namespace girtest
