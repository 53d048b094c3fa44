#import "Tesvant.h"

const double TesvantVersionNumber = 3.0;
// Two blanks before PROJECT; the line feed ends the text.
const unsigned char TesvantVersionString[] = "@(#)PROGRAM:Tesvant  PROJECT:Tesvant-3.0.0.0\n";
