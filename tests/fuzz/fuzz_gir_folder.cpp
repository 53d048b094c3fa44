// A GIR folder built from the input, through one of the three GIR operations
// (the first byte chooses: seeds start with A, the check). The rest is a list
// of files, each "@@" + its path in the folder + a line end +
// its bytes; paths hold only letters, digits, "_", "." and "/" (no "..").
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

bool IsSafeName(std::string_view svName)
{
    if (svName.empty() || svName.size() > 100 || svName.front() == '/' || svName.back() == '/' || svName.find("..") != std::string_view::npos)
        return false;
    for (char c : svName) {
        const bool bPlain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'
                            || c == '.' || c == '/';
        if (!bPlain)
            return false;
    }
    return true;
}

// Writes the files of the input below the folder; at most 32 of them.
void WriteFolder(const std::string& strFolder, std::string_view svInput)
{
    constexpr std::string_view kMarker = "@@";
    size_t nAt = svInput.find(kMarker);
    for (int nFiles = 0; nAt != std::string_view::npos && nFiles < 32; ++nFiles) {
        const size_t nNameStart = nAt + kMarker.size();
        const size_t nLineEnd = svInput.find('\n', nNameStart);
        if (nLineEnd == std::string_view::npos)
            return;
        const size_t nNext = svInput.find(kMarker, nLineEnd + 1);
        std::string_view svName = svInput.substr(nNameStart, nLineEnd - nNameStart);
        if (!svName.empty() && svName.back() == '\r')
            svName.remove_suffix(1);
        const std::string_view svBytes =
            svInput.substr(nLineEnd + 1, nNext == std::string_view::npos ? std::string_view::npos : nNext - nLineEnd - 1);
        if (IsSafeName(svName)) {
            const std::filesystem::path path = std::filesystem::path(strFolder) / std::string(svName);
            std::error_code ec;
            std::filesystem::create_directories(path.parent_path(), ec);
            // A name that clashes with an earlier file or folder is passed over.
            try {
                if (!std::filesystem::is_directory(path, ec))
                    fuzzsupport::WriteInput("gir/" + std::string(svName), std::string(svBytes));
            } catch (const std::exception&) {
            }
        }
        nAt = nNext;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strFolder = fuzzsupport::Folder() + "/gir";
    std::error_code ec;
    std::filesystem::remove_all(strFolder, ec);
    std::filesystem::create_directories(strFolder, ec);
    if (nSize == 0)
        return 0;
    WriteFolder(strFolder, std::string_view(reinterpret_cast<const char*>(pData) + 1, nSize - 1));
    CLCCsvConvDataCbC api;
    switch (static_cast<uint8_t>(pData[0] - 'A') % 3) {
    case 0:
        api.GIRCsvCheck(strFolder.c_str(), "7000012050002");
        break;
    case 1:
        api.CsvConvGIRData(strFolder.c_str(), "");
        break;
    default:
        api.GIRFolderCheck(strFolder.c_str());
        break;
    }
    return 0;
}
