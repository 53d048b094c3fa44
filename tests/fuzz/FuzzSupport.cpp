#include "FuzzSupport.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int* /*pArgc*/, char*** /*pArgv*/)
{
    // The API objects' own initialisations nest inside this one.
    XERCES_CPP_NAMESPACE::XMLPlatformUtils::Initialize();
    ::unsetenv("jp.tesvant.Tesvant.DebugOutput");
    fuzzsupport::Folder();
    return 0;
}

const std::string& fuzzsupport::Folder()
{
    static const std::string s_strFolder = [] {
        const fs::path folder = fs::temp_directory_path() / ("tesvant_fuzz_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        return folder.string();
    }();
    return s_strFolder;
}

std::string fuzzsupport::WriteInput(const std::string& strName, const uint8_t* pData, size_t nSize)
{
    return WriteInput(strName, std::string(reinterpret_cast<const char*>(pData), nSize));
}

std::string fuzzsupport::WriteInput(const std::string& strName, const std::string& strBytes)
{
    const std::string strPath = Folder() + "/" + strName;
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + strPath);
    return strPath;
}

std::string fuzzsupport::ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
