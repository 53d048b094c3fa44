#import "CLICsvConvResultCbC.h"

@implementation CLICsvConvResultCbC

@synthesize Result = _Result;
@synthesize DetailErrorInfo = _DetailErrorInfo;
@synthesize AppendixTableData = _AppendixTableData;
@synthesize CbCReportData = _CbCReportData;
@synthesize XMLData = _XMLData;
@synthesize GIRAppendixTableData = _GIRAppendixTableData;
@synthesize FolderPath = _FolderPath;
@synthesize FileName = _FileName;
@synthesize CsvData = _CsvData;
@synthesize CsvDataSize = _CsvDataSize;
@synthesize GIRData = _GIRData;
@synthesize Base64Data = _Base64Data;
@synthesize DetailErrorInfoCount = _DetailErrorInfoCount;
@synthesize DetailErrorInfoList = _DetailErrorInfoList;
@synthesize ErrorFileName = _ErrorFileName;

// A copy property of a mutable type: a plain copy would be immutable and
// refuse the addObject: the declared type invites.
- (void)setDetailErrorInfoList:(NSMutableArray *)list
{
    NSMutableArray *copy = [list mutableCopy];
    [_DetailErrorInfoList release];
    _DetailErrorInfoList = copy;
}

- (void)setErrorFileName:(NSMutableArray *)list
{
    NSMutableArray *copy = [list mutableCopy];
    [_ErrorFileName release];
    _ErrorFileName = copy;
}

- (void)dealloc
{
    [_Result release];
    [_DetailErrorInfo release];
    [_AppendixTableData release];
    [_CbCReportData release];
    [_XMLData release];
    [_GIRAppendixTableData release];
    [_FolderPath release];
    [_FileName release];
    [_CsvData release];
    [_CsvDataSize release];
    [_GIRData release];
    [_Base64Data release];
    [_DetailErrorInfoCount release];
    [_DetailErrorInfoList release];
    [_ErrorFileName release];
    [super dealloc];
}

@end
