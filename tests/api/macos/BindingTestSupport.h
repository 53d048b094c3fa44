// What the Objective-C binding test needs from C++: a folder per test with
// copies of the shipped examples, the core's seams scripted, and the API's own
// GIR answer to compare a copy with.
#import <Foundation/Foundation.h>

#ifdef __cplusplus
extern "C" {
#endif
void TestFolderOpen(void);
void TestFolderClose(void);
NSString *TestPath(const char *szName);
void TestWrite(const char *szName, const char *szBytes);   // makes the folders on the way
// A copy of a shipped example with its first szFrom replaced by szTo (NULL: none).
void TestExample(const char *szExample, const char *szFrom, const char *szTo, const char *szName);
// The folder chooser picks the folder it is offered; "" cancels, "!" fails.
void TestChooseOfferedFolder(void);
// Every API operation throws inside its guarded region while set.
void TestThrowInOperations(BOOL bThrow);
// Keys: Result, DetailErrorInfoCount, DetailErrorInfoList, ErrorFileName, GIRData, FileName.
NSDictionary *TestGIRThroughApi(const char *szSelector, NSString *folder, NSString *second);
#ifdef __cplusplus
}
#endif
