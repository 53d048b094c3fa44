#include "FuzzSupport.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int* /*pArgc*/, char*** /*pArgv*/)
{
    // The API objects' own initialisations nest inside this one.
    XERCES_CPP_NAMESPACE::XMLPlatformUtils::Initialize();
    ::unsetenv("jp.tesvant.Tesvant.DebugOutput");
    fuzzsupport::Folder();
    return 0;
}

namespace {
// The scratch folder, removed when the run ends normally.
struct SScratch {
    std::string strFolder;
    SScratch()
    {
        // One folder per fuzzing process, so that targets side by side never share one.
        const fs::path folder = fs::temp_directory_path() / ("tesvant_fuzz_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        strFolder = folder.string();
    }
    ~SScratch()
    {
        std::error_code ec;
        fs::remove_all(strFolder, ec);
    }
};
} // namespace

const std::string& fuzzsupport::Folder()
{
    static const SScratch s_scratch;
    return s_scratch.strFolder;
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
