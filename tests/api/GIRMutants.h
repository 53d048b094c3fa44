#pragma once
// Random changes of a GIR folder for the property that every folder the check
// passes converts to a document the schema accepts: values changed to other
// valid or invalid ones, rows and blocks (a row with the rows below it)
// deleted, duplicated or swapped with their next sibling, rows moved one level
// and choice alternatives switched.
#include "gir/GIRFolderBuilder.h"

#include <map>
#include <random>
#include <string>
#include <vector>

namespace girmutant {

// The values of the clean folders by element name: the valid replacements.
using ValuePool = std::map<std::string, std::vector<std::string>>;
void AddValues(const girtest::SGIRFolder& folder, ValuePool& pool);

// One random change; returns what it did ("delete block 03_Summary_1.csv:4
// Summary"), "" when the drawn change found nothing to change.
std::string MutateOnce(girtest::SGIRFolder& folder, const ValuePool& pool, std::mt19937& random);

} // namespace girmutant
