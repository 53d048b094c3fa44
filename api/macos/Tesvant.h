// The public header of the binding: both classes and the version symbols.
#import "CLICsvConvDataCbC.h"
#import "CLICsvConvResultCbC.h"

extern const double TesvantVersionNumber;
extern const unsigned char TesvantVersionString[];
