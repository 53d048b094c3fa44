// The conversions of a binding call, between the Objective-C method (which
// holds the exception handler) and the C++ call (which catches C++
// exceptions). Nothing here catches: an Objective-C exception raised while
// converting goes on to the method's handler.
#import <Foundation/Foundation.h>

#include "CLIBindingOperation.h"

@class CLICsvConvResultCbC;
struct CLCBindingCall;

#ifdef __cplusplus
extern "C" {
#endif

// The API object of one call; NULL when it could not be made.
struct CLCBindingCall *CLIBindingOpen(void);
// Deletes the API object; NULL is allowed.
void CLIBindingClose(struct CLCBindingCall *pCall);

// Converts the arguments to narrow texts (UTF-8; Shift_JIS for CbCCsvWrite's
// data), a nil or unconvertible one to NULL, runs the operation and copies the
// operation's row of properties into result, in order. Leaves result untouched
// when the operation ended by an exception.
void CLIBindingRun(struct CLCBindingCall *pCall, CLIBindingOperation eOp, NSString *const *pArgs,
                   unsigned nArgs, long limitSize, CLICsvConvResultCbC *result);

#ifdef __cplusplus
}
#endif
