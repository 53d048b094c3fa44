#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/platform/CLCPlatformTraits.h"
#include <cstdint>

namespace {
constexpr unsigned kFirstDefinitionId = 203;

// Indexed by identifier minus kFirstDefinitionId; 207 has no file.
constexpr const char* kDefinitionFiles[] = {
    "CbCValidateDefine.xml",          // 203
    "CbCDataConvDefine.xml",          // 204
    "CbCValidateDefine2.xml",         // 205
    "CbCDataConvDefine2.xml",         // 206
    nullptr,                          // 207
    "CbCDataConvDefine3.xml",         // 208
    "CbCValidateDefine3.xml",         // 209
    "CbCDataConvDefine_AIA520.xml",   // 210
    "CbCValidateDefine_AIA520.xml",   // 211
    "CbCElementDefine_AIA520.lst",    // 212
    "CbCDataConvDefine_AIA540.xml",   // 213
    "CbCValidateDefine_AIA540.xml",   // 214
};
constexpr unsigned kDefinitionCount = sizeof(kDefinitionFiles) / sizeof(kDefinitionFiles[0]);
static_assert(kDefinitionCount == 12, "identifiers 203 to 214");

// The offsets served: all but that of 207.
constexpr uint32_t kServedOffsets = ((1u << kDefinitionCount) - 1) & ~(1u << (207 - kFirstDefinitionId));
} // namespace

std::string CLCCbCCommon::LoadResoucePath(unsigned short usId, const char* /*szType*/)
{
    const unsigned uOffset = static_cast<unsigned>(usId) - kFirstDefinitionId;   // wraps below 203
    if (uOffset >= kDefinitionCount || (kServedOffsets & (1u << uOffset)) == 0)
        return "";
    if (CLCPlatformTraits::kDefinitionsAsResources)
        return CLCMacOSNative::getDefinitionResource(usId);
    return CLCMacOSNative::getBundlePathName(kDefinitionFiles[uOffset]);
}

std::string CLCCbCCommon::LoadDefinitionText(unsigned short usId)
{
    const std::string strFound = LoadResoucePath(usId, "DEFINITION");
    if (strFound.empty())
        return "";
    if (!CLCPlatformTraits::kDefinitionsAsResources)
        return ReadCsvFileData(strFound.c_str());
    std::string strUtf8;
    if (!CLCMacOSNative::SjisToUtf8(strFound, strUtf8))
        return "";
    return strUtf8;
}
