#pragma once
// The definitions served, by identifier, with the file each one is kept in:
// the table every build's lookup tests check against.
namespace deftest {

struct SDefinitionFile {
    unsigned short usId;
    const char* szFile;
};

inline constexpr SDefinitionFile kDefinitionFiles[] = {
    {203, "CbCValidateDefine.xml"},        {204, "CbCDataConvDefine.xml"},
    {205, "CbCValidateDefine2.xml"},       {206, "CbCDataConvDefine2.xml"},
    {208, "CbCDataConvDefine3.xml"},       {209, "CbCValidateDefine3.xml"},
    {210, "CbCDataConvDefine_AIA520.xml"}, {211, "CbCValidateDefine_AIA520.xml"},
    {212, "CbCElementDefine_AIA520.lst"},  {213, "CbCDataConvDefine_AIA540.xml"},
    {214, "CbCValidateDefine_AIA540.xml"},
};

// Identifiers that no build serves.
inline constexpr unsigned short kUnservedIds[] = {0, 1, 202, 207, 215, 65535};

} // namespace deftest
