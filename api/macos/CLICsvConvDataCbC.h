// The host's entry to Tesvant: one method per API operation, in the API's order.
// Each call makes its own API object, so every call returns a new result
// (autoreleased), and no exception leaves a method: the result then holds what
// was copied before it, or is nil when it arose before the result was made.
// Texts go in and come out as UTF-8; a nil argument reaches the API's checks
// as a missing one. Calls must not overlap: the API's state is process-wide.
#import <Foundation/Foundation.h>

#import "CLICsvConvResultCbC.h"

@interface CLICsvConvDataCbC : NSObject

- (CLICsvConvResultCbC *)AppendixTableCsvCheck:(NSString *)csvPath;
- (CLICsvConvResultCbC *)ReportIntegrityCheck:(NSString *)csvPath
                                     todokede:(NSString *)todokede
                                          cbc:(NSString *)cbc
                                           mf:(NSString *)mf
                              todokedeHojinNo:(NSString *)todokedeHojinNo
                                   cbCHojinNo:(NSString *)cbCHojinNo
                                    mfHojinNo:(NSString *)mfHojinNo;
- (CLICsvConvResultCbC *)CsvConvAppendixTableData:(NSString *)csvPath
                                         softName:(NSString *)softName
                                      sakuseiName:(NSString *)sakuseiName
                                   outputPathName:(NSString *)outputPathName;
- (CLICsvConvResultCbC *)CbCReportCsvCheck:(NSString *)csvPath;
- (CLICsvConvResultCbC *)CbCReportIntegrityCheck:(NSString *)csvPath hojinNo:(NSString *)hojinNo;
- (CLICsvConvResultCbC *)CsvConvCbCReportData:(NSString *)csvPath outputPathName:(NSString *)outputPathName;
// limitSize: the largest file accepted, in bytes; -1 for no limit.
- (CLICsvConvResultCbC *)ReadXMLFile:(NSString *)xmlPath limitSize:(long)limitSize;
- (CLICsvConvResultCbC *)CbCReportCsvCheck2:(NSString *)csvPath;
- (CLICsvConvResultCbC *)CbCReportIntegrityCheck2:(NSString *)csvPath hojinNo:(NSString *)hojinNo;
- (CLICsvConvResultCbC *)CsvConvCbCReportData2:(NSString *)csvPath outputPathName:(NSString *)outputPathName;
// The GIR methods fill Result, DetailErrorInfoCount, DetailErrorInfoList,
// ErrorFileName and GIRData (GIRFolderCheck: FileName instead of GIRData).
- (CLICsvConvResultCbC *)GIRCsvCheck:(NSString *)csvFolderPath hojinNo:(NSString *)hojinNo;
- (CLICsvConvResultCbC *)CsvConvGIRData:(NSString *)csvFolderPath outputPathName:(NSString *)outputPathName;
- (CLICsvConvResultCbC *)GIRAppendixTableCsvCheck:(NSString *)csvPath
                                        teikyouNo:(NSString *)teikyouNo
                                          hojinNo:(NSString *)hojinNo;
- (CLICsvConvResultCbC *)CsvConvGIRAppendixTableData:(NSString *)csvPath
                                            softName:(NSString *)softName
                                         sakuseiName:(NSString *)sakuseiName
                                      outputPathName:(NSString *)outputPathName;
// Result "S_FALSE" with empty FolderPath and FileName when no folder was chosen.
- (CLICsvConvResultCbC *)GetFolderPath:(NSString *)initialFolder;
- (CLICsvConvResultCbC *)ReadCSVFile:(NSString *)csvPath;
// writeData is written as Shift_JIS (code page 932); text that has no such
// form is refused (Result "E_FAIL") and the file is left as it was.
- (CLICsvConvResultCbC *)CbCCsvWrite:(NSString *)csvPath writeData:(NSString *)writeData;
- (CLICsvConvResultCbC *)GIRFolderCheck:(NSString *)csvFolderPath;
- (CLICsvConvResultCbC *)ReadFile:(NSString *)filePath;

@end
