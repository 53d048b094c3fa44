// Times the intake of a GIR folder (the layout check, then reading, parsing and
// checking every CSV file) on the largest folders the limits allow, against the
// floor of reading and decoding the same bytes (CP932 to UTF-8).
//
//   gir_intake_bench [RUNS]     (default 3; each time is the fastest run after a warm-up)
//
// Times are the process's CPU time: the work is single-threaded, so this is
// its cost whatever else the machine is running.
//
// Folders, generated at run time in a temporary folder:
//   records: a one-record header, a one-record FilingInfo and a GeneralSection
//     of 999,996 sibling rows (999,998 in all, the most a clean return can
//     hold), and the same at a quarter of the rows, so the cost per record
//     shows whether the intake, and the building of the container tree after
//     it (structure, mapping, automatic items, check list), are linear;
//   bytes: files totalling exactly 68,157,440 bytes (the size limit), records
//     of long Japanese values spread over the header and numbered summaries.
#include "cbc/CLCCbCCsvFile.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCFileInfo.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidCsvStruct.h"
#include "gir/CLCGIRValidFileStruct.h"
#include "gir/GIRFolderBuilder.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using girtest::CGIRFolderBuilder;
using girtest::Cp932;

constexpr uint64_t kMaxBytes = 68157440;

const std::string& HeaderBytes()
{
    static const std::string strHeader = Cp932("ReceivingCountry,JP,,,,6\r\n");
    return strHeader;
}

// A header, a one-record FilingInfo and a GeneralSection of lRecords sibling
// rows (RecJurCode repeats without bound): the widest tree a return can make.
fs::path MakeRecordsFolder(const CTestFolder& root, const std::string& strName, long lRecords)
{
    CGIRFolderBuilder gir(root, strName);
    gir.Bytes("01_MessageSpec.csv", HeaderBytes());
    gir.Bytes("02_GLOBEBody/01_FilingInfo.csv", Cp932("FilingCE,,,,,7\r\n"));
    const std::string strRecord = Cp932("RecJurCode,JP,株式会社さくら商事,,,7\r\n");
    std::string strBody;
    strBody.reserve(strRecord.size() * static_cast<size_t>(lRecords));
    for (long i = 0; i < lRecords; ++i)
        strBody += strRecord;
    gir.Bytes("02_GLOBEBody/02_GeneralSection.csv", strBody);
    return gir.Path();
}

// Files of exactly kMaxBytes in all: the header, FilingInfo and summaries of
// up to 8 MiB each, the last value padded to the byte.
long MakeBytesFolder(CGIRFolderBuilder& gir)
{
    const std::string strRecord =
        Cp932("Name,グローバル・ミニマム課税に係る構成事業体の名称と所在地の記載例です（第二版）,,,,8\r\n");
    const size_t nPerFile = 8u << 20;
    uint64_t ullLeft = kMaxBytes - HeaderBytes().size();
    gir.Bytes("01_MessageSpec.csv", HeaderBytes());
    long lRecords = 1;
    for (int nFile = 0; ullLeft > 0; ++nFile) {
        const size_t nSize = static_cast<size_t>(std::min<uint64_t>(ullLeft, nPerFile));
        std::string strBody;
        strBody.reserve(nSize);
        // Whole records while two more still fit, then one padded to fill the file.
        while (strBody.size() + 2 * strRecord.size() <= nSize) {
            strBody += strRecord;
            ++lRecords;
        }
        const size_t nLast = nSize - strBody.size();
        const std::string strFrame = "Name,,,,,8\r\n";
        if (nLast < strFrame.size())
            throw std::runtime_error("file too small");
        strBody += "Name," + std::string(nLast - strFrame.size(), 'x') + ",,,,8\r\n";
        ++lRecords;
        ullLeft -= strBody.size();
        const std::string strName =
            nFile == 0 ? "01_FilingInfo.csv" : "03_Summary_" + std::to_string(nFile) + ".csv";
        gir.Bytes("02_GLOBEBody/" + strName, strBody);
    }
    return lRecords;
}

std::vector<fs::path> CsvFiles(const fs::path& folder)
{
    std::vector<fs::path> vecFiles;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            vecFiles.push_back(entry.path());
    }
    return vecFiles;
}

// Reading and decoding every file, nothing more.
bool Floor(const fs::path& folder)
{
    for (const fs::path& path : CsvFiles(folder)) {
        std::string strText;
        if (CLCCbCCsvFile::LoadCsvText(path.c_str(), strText) != CLCCbCCsvFile::CsvText::Ok)
            return false;
    }
    return true;
}

// The controller's intake steps on one folder: layout, size, structure; with
// bTree also the four steps of the container tree.
bool Intake(const fs::path& folder, bool bTree)
{
    CLCValidResultGIR::destroy();
    CLCGIRDataManager::destroy();
    CLCValidResultGIR::instance();
    std::vector<CLCFileInfo_t> vecFileInfo;
    CLCGIRValidFileStruct layout(&vecFileInfo);
    const std::string strFolder = folder.string();
    bool bOk = layout.ValidateFileStruct(strFolder.c_str()) && CLCGIRValidFileStruct::CheckTotalFileSize(vecFileInfo);
    CLCGIRValidCsvStruct structure(&vecFileInfo);
    bOk = bOk && structure.ValidateCsvStruct(strFolder.c_str());
    if (bTree) {
        CLCGIRDataManager* pManager = CLCGIRDataManager::instance();
        bOk = bOk && pManager->GenerateXMLStructure() && pManager->MappingConvDefine() && pManager->CreateAutoItem()
              && pManager->CreateCheckList();
    }
    CLCGIRDataManager::destroy();
    return bOk && CLCValidResultGIR::instance()->FileRows().empty();
}

// The fastest of nRuns runs of each step, taken in turn after one warm-up
// round, so every step meets the same state of the machine and its caches.
std::vector<double> Fastest(int nRuns, const std::vector<std::function<bool()>>& vecSteps)
{
    std::vector<double> vecBest(vecSteps.size(), 1e300);
    for (int nRun = 0; nRun <= nRuns; ++nRun) {
        for (size_t i = 0; i < vecSteps.size(); ++i) {
            const std::clock_t start = std::clock();
            if (!vecSteps[i]())
                throw std::runtime_error("run failed");
            const double dTime = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
            if (nRun > 0)
                vecBest[i] = std::min(vecBest[i], dTime);
        }
    }
    return vecBest;
}

void Report(const char* szName, const fs::path& folder, long lRecords, int nRuns, bool bTree)
{
    std::vector<std::function<bool()>> vecSteps = {[&]() { return Floor(folder); },
                                                   [&]() { return Intake(folder, false); }};
    if (bTree)
        vecSteps.push_back([&]() { return Intake(folder, true); });
    const std::vector<double> vecTimes = Fastest(nRuns, vecSteps);
    const double dFloor = vecTimes[0];
    const double dIntake = vecTimes[1];
    uint64_t ullBytes = 0;
    for (const fs::path& path : CsvFiles(folder))
        ullBytes += fs::file_size(path);
    std::printf("%-20s %9ld records %9llu bytes  floor %7.1f ms  intake %7.1f ms  x%.2f  %4.0f ns/record", szName,
                lRecords, static_cast<unsigned long long>(ullBytes), dFloor, dIntake, dIntake / dFloor,
                dIntake * 1e6 / static_cast<double>(lRecords));
    if (bTree) {
        const double dTree = vecTimes[2] - dIntake;
        std::printf("  tree %7.1f ms  %4.0f ns/record", dTree, dTree * 1e6 / static_cast<double>(lRecords));
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    try {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
        CLCGIRPropertyManager* pProperty = CLCGIRPropertyManager::instance();
        if (!pProperty->LoadEditDefinition(210) || !pProperty->LoadCheckDefinition(211)
            || !pProperty->LoadElementList(212))
            throw std::runtime_error("definitions 210 to 212 not found");

        const CTestFolder root;
        const long lMaxRows = CLCGIRValidCsvStruct::kMaxTotalRecords - 3;   // beside header and FilingInfo
        const fs::path quarter = MakeRecordsFolder(root, "quarter", lMaxRows / 4);
        const fs::path records = MakeRecordsFolder(root, "records", lMaxRows);
        CGIRFolderBuilder bytes(root, "bytes");
        const long lBytesRecords = MakeBytesFolder(bytes);

        Report("records, a quarter", quarter, lMaxRows / 4 + 2, nRuns, true);
        Report("records, the limit", records, lMaxRows + 2, nRuns, true);
        Report("bytes, the limit", bytes.Path(), lBytesRecords, nRuns, false);

        CLCGIRPropertyManager::destroy();
        CLCValidResultGIR::destroy();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gir_intake_bench: %s\n", e.what());
        return 1;
    }
}
