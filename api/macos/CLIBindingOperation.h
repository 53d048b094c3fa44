#pragma once
// Shared by the three layers of the binding (Objective-C, Objective-C++, C++),
// so plain C: the operations, numbered as the API declares them, and the
// fifteen properties of CLICsvConvResultCbC in their order.

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

// The most text arguments any operation takes (ReportIntegrityCheck).
enum { CLIBindingMaxArgs = 7 };

typedef enum {
    CLIFieldResult,
    CLIFieldDetailErrorInfo,
    CLIFieldAppendixTableData,
    CLIFieldCbCReportData,
    CLIFieldXMLData,
    CLIFieldGIRAppendixTableData,
    CLIFieldFolderPath,
    CLIFieldFileName,
    CLIFieldCsvData,
    CLIFieldCsvDataSize,
    CLIFieldGIRData,
    CLIFieldBase64Data,
    CLIFieldDetailErrorInfoCount,
    CLIFieldDetailErrorInfoList,    // a list, not a text
    CLIFieldErrorFileName,          // a list, not a text
    CLIFieldCount,
    CLIFieldNone = CLIFieldCount    // ends a copy row
} CLIBindingField;
