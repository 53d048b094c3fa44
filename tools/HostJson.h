#pragma once
// The JSON text tesvant-host prints for a result object.
#include <ostream>
#include <string>

class CLCCsvConvResultCbC;
class CLCCsvConvResultGIR;

namespace hostjson {

// Writes the result as one JSON object: two-space indent, the properties in
// the result's order, non-ASCII text as it stands, a final line end. A large
// text goes out in slices, never copied whole into the output.
void WriteResult(std::ostream& out, const CLCCsvConvResultCbC& result);
// The GIR result likewise: Result, GIRData, FileName, ErrInfoCount (a number),
// then ErrFileName and DetailErrInfo as arrays, entry i of one belonging to
// entry i of the other.
void WriteResult(std::ostream& out, const CLCCsvConvResultGIR& result);

// Writes one JSON string literal, quotes included. UTF-8 text is escaped here
// in one pass; text that is not UTF-8 goes to the JSON library, which
// replaces what it cannot read, so that the output is the library's own byte
// for byte in every case.
void WriteString(std::ostream& out, const std::string& strValue);

} // namespace hostjson
