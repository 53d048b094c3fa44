#include "api/GIRMutants.h"

#include <algorithm>
#include <iterator>

namespace girmutant {

namespace {
using girtest::Rows;
using girtest::SRow;

// The alternatives of the schema's choices, by element name.
const std::vector<std::vector<std::string>> kChoices = {
    {"ExcludedUPE", "OtherUPE"}, {"Art2.1.3", "Art2.1.5"},        {"Amount", "Exception"},
    {"IndOwners", "EntityOwner"}, {"Art6.3.4.c.i", "Art6.3.4.c.ii"}, {"ResCountryCode", "UPE", "NotApplicable"},
    {"UTPRSafeHarbour", "UTPRCalculation"}};

// Values that break one type or another, or fit another element.
const std::vector<std::string> kOddValues = {
    "",           "x",          "-1",        "0",       "1.5",      "12345678901234567890", "true",
    "false",      "2025-02-30", "2025-3-31", "JP",      "XX",       "JPY",                  "OECD1",
    "OECD3",      "GIR101",     "GIR3001",   "100",     "0.5",      "1.0000001",            " 1",
    "A & B <C>",  "桜",          "7000012050002", "JP20257000012050002001", std::string(201, 'A')};

struct SPlace {
    Rows* pRows;
    std::string strFile;
    size_t nRow;
};

template <typename T>
const T& Pick(const std::vector<T>& vec, std::mt19937& random)
{
    return vec[random() % vec.size()];
}

int Level(const SRow& row)
{
    return std::stoi(row.strLevel);
}

// One past the last row below the row at i.
size_t BlockEnd(const Rows& rows, size_t i)
{
    size_t n = i + 1;
    while (n < rows.size() && Level(rows[n]) > Level(rows[i]))
        ++n;
    return n;
}

std::vector<SPlace> Places(girtest::SGIRFolder& folder)
{
    std::vector<SPlace> vec;
    for (size_t i = 0; i < folder.messageSpec.size(); ++i)
        vec.push_back({&folder.messageSpec, "01_MessageSpec.csv", i});
    for (auto& [strName, rows] : folder.vecBodies) {
        for (size_t i = 0; i < rows.size(); ++i)
            vec.push_back({&rows, strName, i});
    }
    return vec;
}

std::string ChangeValue(SRow& row, const ValuePool& pool, std::mt19937& random)
{
    // Attributes mostly where the row has them: elsewhere any is refused.
    std::string* apColumns[] = {&row.strAttr1, &row.strAttr2, &row.strAttr3};
    const bool bAttribute = random() % (row.strAttr1.empty() ? 8 : 2) == 0;
    std::string& strTarget = bAttribute ? *apColumns[random() % std::size(apColumns)] : row.strValue;
    const auto it = pool.find(row.strName);
    if (random() % 3 != 0 && it != pool.end() && !bAttribute)
        strTarget = Pick(it->second, random);
    else
        strTarget = Pick(kOddValues, random);
    return "value \"" + strTarget + "\"";
}
} // namespace

void AddValues(const girtest::SGIRFolder& folder, ValuePool& pool)
{
    auto add = [&](const Rows& rows) {
        for (const SRow& row : rows) {
            if (!row.strValue.empty())
                pool[row.strName].push_back(row.strValue);
        }
    };
    add(folder.messageSpec);
    for (const auto& body : folder.vecBodies)
        add(body.second);
}

std::string MutateOnce(girtest::SGIRFolder& folder, const ValuePool& pool, std::mt19937& random)
{
    const std::vector<SPlace> vecPlaces = Places(folder);
    if (vecPlaces.empty())
        return "";
    const SPlace& place = Pick(vecPlaces, random);
    Rows& rows = *place.pRows;
    const size_t i = place.nRow;
    const size_t nEnd = BlockEnd(rows, i);
    const std::string strAt = " " + place.strFile + ":" + std::to_string(i + 1) + " " + rows[i].strName;
    switch (random() % 9) {
    case 0:
    case 1:
        return ChangeValue(rows[i], pool, random) + strAt;
    case 2:
        rows.erase(rows.begin() + static_cast<long>(i));
        return "delete row" + strAt;
    case 3:
        rows.erase(rows.begin() + static_cast<long>(i), rows.begin() + static_cast<long>(nEnd));
        return "delete block" + strAt;
    case 4:
        rows.insert(rows.begin() + static_cast<long>(i) + 1, SRow(rows[i]));
        return "duplicate row" + strAt;
    case 5: {
        const Rows block(rows.begin() + static_cast<long>(i), rows.begin() + static_cast<long>(nEnd));
        rows.insert(rows.begin() + static_cast<long>(nEnd), block.begin(), block.end());
        return "duplicate block" + strAt;
    }
    case 6: {
        if (nEnd >= rows.size() || Level(rows[nEnd]) != Level(rows[i]))
            return "";
        const size_t nNextEnd = BlockEnd(rows, nEnd);
        Rows swapped(rows.begin() + static_cast<long>(nEnd), rows.begin() + static_cast<long>(nNextEnd));
        swapped.insert(swapped.end(), rows.begin() + static_cast<long>(i), rows.begin() + static_cast<long>(nEnd));
        std::copy(swapped.begin(), swapped.end(), rows.begin() + static_cast<long>(i));
        return "swap with next sibling" + strAt;
    }
    case 7: {
        const int nLevel = Level(rows[i]) + (random() % 2 == 0 ? 1 : -1);
        rows[i].strLevel = std::to_string(nLevel);
        return "level " + rows[i].strLevel + strAt;
    }
    default: {
        // Among the rows that name a choice alternative.
        std::vector<std::pair<SRow*, const std::vector<std::string>*>> vecAlternatives;
        for (const SPlace& p : vecPlaces) {
            for (const std::vector<std::string>& vecChoice : kChoices) {
                if (std::find(vecChoice.begin(), vecChoice.end(), (*p.pRows)[p.nRow].strName) != vecChoice.end())
                    vecAlternatives.emplace_back(&(*p.pRows)[p.nRow], &vecChoice);
            }
        }
        if (vecAlternatives.empty())
            return "";
        const auto& [pRow, pChoice] = Pick(vecAlternatives, random);
        const std::string strFrom = pRow->strName;
        while (pRow->strName == strFrom)
            pRow->strName = Pick(*pChoice, random);
        return "switch " + strFrom + " to " + pRow->strName;
    }
    }
}

} // namespace girmutant
