#pragma once
// Shared by the three layers of the binding (Objective-C, Objective-C++, C++),
// so plain C: the operations, numbered as the API declares them (operation n
// is row n - 1 of the API's operation table).

typedef enum {
    CLIOpAppendixTableCsvCheck = 1,
    CLIOpReportIntegrityCheck,
    CLIOpCsvConvAppendixTableData,
    CLIOpCbCReportCsvCheck,
    CLIOpCbCReportIntegrityCheck,
    CLIOpCsvConvCbCReportData,
    CLIOpReadXMLFile,
    CLIOpCbCReportCsvCheck2,
    CLIOpCbCReportIntegrityCheck2,
    CLIOpCsvConvCbCReportData2,
    CLIOpGIRCsvCheck,
    CLIOpCsvConvGIRData,
    CLIOpGIRAppendixTableCsvCheck,
    CLIOpCsvConvGIRAppendixTableData,
    CLIOpGetFolderPath,
    CLIOpReadCSVFile,
    CLIOpCbCCsvWrite,
    CLIOpGIRFolderCheck,
    CLIOpReadFile,
    CLIOpLast = CLIOpReadFile
} CLIBindingOperation;
