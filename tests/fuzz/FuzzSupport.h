#pragma once
// What the libFuzzer targets share: a scratch folder of their own, the input
// written there as a file, and the XML library kept initialised for the whole
// run (every API object would otherwise set it up and tear it down again).
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzsupport {

// Every target's LLVMFuzzerInitialize (FuzzSupport.cpp) initialises the XML
// library once, leaves the debug log off and makes the scratch folder.

// The scratch folder (no trailing separator).
const std::string& Folder();

// Writes the bytes to a file of that name in the scratch folder; its path.
std::string WriteInput(const std::string& strName, const uint8_t* pData, size_t nSize);
std::string WriteInput(const std::string& strName, const std::string& strBytes);

// The bytes of a file ("" when it cannot be read).
std::string ReadBytes(const std::string& strPath);

} // namespace fuzzsupport
