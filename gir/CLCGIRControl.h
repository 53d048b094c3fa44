#pragma once
#include "gir/CLCFileInfo.h"
#include <string>
#include <vector>

// The per-call pipeline of the three GIR folder operations. The API runs its
// steps in a fixed order, stops at the first false and calls Terminate at the
// end. Every step catches everything: an exception becomes the fatal row of the
// GIR collector ("その他") and false. User errors are rows the workers record.
//
// The folder argument is trimmed once by the InitFor... step; every later step
// uses that trimmed path, whatever it is given.
class CLCGIRControl {
public:
    CLCGIRControl() = default;
    virtual ~CLCGIRControl() = default;
    CLCGIRControl(const CLCGIRControl&) = delete;
    CLCGIRControl& operator=(const CLCGIRControl&) = delete;

    // Starts a run from nothing: loads definitions 210, 211, 212 (in that order)
    // and makes the data manager and the collector.
    bool Initiarize();
    bool InitForGIRCsvCheck(const char* szFolder, const char* szHojinNo);
    bool InitForCsvConvGIRData(const char* szFolder, const char* szOutputPath);
    bool InitForGIRFolderCheck(const char* szFolder);

    bool GIRCsvFileStructCheck(const char* szFolder);
    bool GIRCsvDataStructCheck(const char* szFolder);
    bool ConvertGIRStructure();
    bool GIRValidXmlOccurs();
    bool GIRValidExclusive();
    bool GIRValidSingleItem();
    bool GIRValidCorrelation();
    bool GIRCsvFileIntegrityCheck();
    // The GLOBE_OECD text; written to the output path when one was given. Empty
    // on any failure.
    bool GenarateXML(std::string& strXml);
    bool CheckTotalFileSize();
    bool GetFileName(const char* szFolder, std::string& strNames);

    // The collector's per-file detail texts (built by MakeDatilErrorInfoGIR).
    void MakeDatilErrorInfoGIR();
    std::vector<std::string> getFileListGIR();
    std::vector<std::string> getDetailErrorInfoListGIR();

    // Destroys the collector, the data manager and the definitions.
    void Terminate();

    const std::string& GetFolderPath() const { return m_strFolderPath; }

private:
    // The folder a structure step works on: the trimmed argument once an
    // InitFor... step has run, else the step's own argument trimmed.
    std::string FolderFor(const char* szFolder) const;

    std::vector<CLCFileInfo_t> m_vFileInfo;
    std::string m_strHojinNo;
    std::string m_strFolderPath;
    std::string m_strOutPath;
    bool m_bFolderSet = false;
};
