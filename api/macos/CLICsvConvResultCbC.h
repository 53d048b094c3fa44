// The result every method of CLICsvConvDataCbC returns, for the GIR methods too.
// A method fills its own properties and leaves the rest nil. Reference counted
// by hand: the methods return it autoreleased.
#import <Foundation/Foundation.h>

@interface CLICsvConvResultCbC : NSObject {
    NSString *_Result;
    NSString *_DetailErrorInfo;
    NSString *_AppendixTableData;
    NSString *_CbCReportData;
    NSString *_XMLData;
    NSString *_GIRAppendixTableData;
    NSString *_FolderPath;
    NSString *_FileName;
    NSString *_CsvData;
    NSString *_CsvDataSize;
    NSString *_GIRData;
    NSString *_Base64Data;
    NSString *_DetailErrorInfoCount;
    NSMutableArray *_DetailErrorInfoList;
    NSMutableArray *_ErrorFileName;
}

@property (nonatomic, copy) NSString *Result;
@property (nonatomic, copy) NSString *DetailErrorInfo;
@property (nonatomic, copy) NSString *AppendixTableData;
@property (nonatomic, copy) NSString *CbCReportData;
@property (nonatomic, copy) NSString *XMLData;
@property (nonatomic, copy) NSString *GIRAppendixTableData;
@property (nonatomic, copy) NSString *FolderPath;
@property (nonatomic, copy) NSString *FileName;
@property (nonatomic, copy) NSString *CsvData;
@property (nonatomic, copy) NSString *CsvDataSize;
@property (nonatomic, copy) NSString *GIRData;
@property (nonatomic, copy) NSString *Base64Data;
// The GIR methods: the number of CSV files with errors, their detail error
// texts and their names; entry i of the two lists belongs to one file. The
// lists hold mutable copies, so a host may add to what it reads.
@property (nonatomic, copy) NSString *DetailErrorInfoCount;
@property (nonatomic, copy) NSMutableArray *DetailErrorInfoList;
@property (nonatomic, copy) NSMutableArray *ErrorFileName;

@end
