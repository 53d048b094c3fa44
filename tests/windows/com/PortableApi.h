#pragma once
// The portable API's own answer in this process, for the checks that the COM
// layer must give the same texts (kept apart from the COM headers, whose
// class declarations share the API's names).
#include <string>

namespace comtest {

struct SPortableAnswer {
    std::string strResult;
    std::string strDetail;
};

// CbCCsvWrite with the Shift_JIS text, or a null one.
SPortableAnswer PortableCsvWrite(const std::string& strPath, const char* szSjis);
// GetFolderPath, with the folder dialog of this process; the chosen folder in strDetail on success.
SPortableAnswer PortableFolderPath(const std::string& strInitial);

} // namespace comtest
