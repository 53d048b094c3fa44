// What the Objective-C binding test needs from C++: a folder per test with
// copies of the shipped examples, the core's folder chooser and the API's
// fault hook scripted, and the API's own answer to compare a copy with.
#import <Foundation/Foundation.h>

#ifdef __cplusplus
extern "C" {
#endif

void TestFolderOpen(void);
void TestFolderClose(void);
NSString *TestPath(const char *szName);
NSString *TestWrite(const char *szName, const char *szBytes);
// A copy of a shipped example, with the first szFrom replaced by szTo when given.
NSString *TestExample(const char *szExample, const char *szFrom, const char *szTo, const char *szName);

// nAnswer 1: the chooser picks chosen; 0: cancelled; -1: it fails. Records the
// initial folder it is given (TestChooserInitialFolder).
void TestScriptChooser(int nAnswer, NSString *chosen);
NSString *TestChooserInitialFolder(void);
// Every API operation throws inside its guarded region while set.
void TestThrowInOperations(BOOL bThrow);
void TestRestoreSeams(void);

// The API's GIR result for the same call, its lists as arrays: keys Result,
// DetailErrorInfoCount, DetailErrorInfoList, ErrorFileName, GIRData, FileName.
NSDictionary *TestGIRThroughApi(const char *szSelector, NSString *folder, NSString *second);

#ifdef __cplusplus
}
#endif
