// Times the GIR rule steps and the GLOBE_OECD generator on the largest trees
// the limits allow, and on halves and quarters of them, so that the time per
// node shows whether a step grows linearly.
//
//   gir_rules_bench [RUNS]     (default 3; each time is the fastest run)
//
// Trees, built in memory from clean folders (every rule of 211 passes):
//   sections: one FilingInfo and GeneralSection and repeated units of four
//     Summaries, one JurisdictionSection and two UTPRAttributions, as many as
//     keep the document under 19,922,944 bytes;
//   wide: the same header with one GeneralSection holding as many RecJurCode
//     elements (siblings under one parent) as the limit allows.
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRValidCorrelation.h"
#include "gir/CLCGIRValidExclusive.h"
#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRValidSingleItem.h"
#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/CLCGIRXmlGenerator.h"
#include "gir/GIRTreeBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct SShape {
    const char* szName;
    // The rows of a tree of the given size (units of the shape).
    std::function<std::vector<SGIRRow>(long)> fnRows;
};

std::vector<SGIRRow> SectionRows(long lUnits)
{
    girtree::SCleanFolder folder;
    folder.nSummaries = static_cast<int>(4 * lUnits);
    folder.nJurisdictions = static_cast<int>(lUnits);
    folder.nUtprs = static_cast<int>(2 * lUnits);
    return girtree::CleanFolderRows(folder);
}

std::vector<SGIRRow> WideRows(long lUnits)
{
    girtree::SCleanFolder folder;
    folder.nSummaries = 0;
    folder.nJurisdictions = 0;
    folder.nUtprs = 0;
    std::vector<SGIRRow> vecRows = girtree::CleanFolderRows(folder);
    auto it = std::find_if(vecRows.begin(), vecRows.end(),
                           [](const SGIRRow& row) { return row.strName == "RecJurCode"; });
    vecRows.insert(it, static_cast<size_t>(lUnits), *it);
    return vecRows;
}

// A fresh tree of the rows; the number of its nodes.
long BuildTree(const std::vector<SGIRRow>& vecRows)
{
    girtree::StartRun();
    girtree::Build(vecRows);
    long lNodes = 0;
    CLCGIRDataManager* pData = CLCGIRDataManager::instance();
    for (CLCGIRContainer* pNode = pData->GetRootContainer(); pNode != nullptr; pNode = pData->GetNextContainer(pNode))
        ++lNodes;
    return lNodes;
}

std::string Document()
{
    std::string strXml;
    CLCGIRXmlGenerator generator;
    if (!generator.MakeXMLData(CLCGIRDataManager::instance()->GetRootContainer(), strXml) ||
        !generator.CheckXmlSize(strXml) || !generator.CheckXmlStruct(strXml)) {
        std::fprintf(stderr, "generation failed: %s\n", girtree::ErrorText().c_str());
        std::exit(1);
    }
    return strXml;
}

// The most units whose document stays within the limit, from two samples.
long MaxUnits(const SShape& shape, long lSample)
{
    BuildTree(shape.fnRows(lSample));
    const double dSmall = static_cast<double>(Document().size());
    BuildTree(shape.fnRows(2 * lSample));
    const double dPerUnit = (static_cast<double>(Document().size()) - dSmall) / static_cast<double>(lSample);
    long lUnits = lSample + static_cast<long>((CLCGIRXmlGenerator::kMaxXmlBytes - dSmall) / dPerUnit);
    for (;; --lUnits) {
        BuildTree(shape.fnRows(lUnits));
        if (Document().size() <= CLCGIRXmlGenerator::kMaxXmlBytes)
            return lUnits;
    }
}

struct SStep {
    const char* szName;
    std::function<bool()> fnRun;   // false: the step did not pass
};

const SStep kSteps[] = {
    {"occurrences", [] { return CLCGIRValidXmlOccurs().Validate() == CBC_MSG_NONE; }},
    {"exclusive", [] { return CLCGIRValidExclusive().Validate() == CBC_MSG_NONE; }},
    {"single items", [] { return CLCGIRValidSingleItem().Validate() == CBC_MSG_NONE; }},
    {"correlation", [] { return CLCGIRValidCorrelation().Validate() == CBC_MSG_NONE; }},
    {"integrity",
     [] {
         return CLCGIRValidIntegrity().Validate(girtree::kHojinNo, "MS00004", CLCGIRDataManager::instance()) ==
                CBC_MSG_NONE;
     }},
    {"generator", [] { return !Document().empty(); }},
};

double Fastest(const SStep& step, int nRuns)
{
    double dBest = 1e30;
    for (int i = 0; i < nRuns; ++i) {
        const Clock::time_point start = Clock::now();
        if (!step.fnRun()) {
            std::fprintf(stderr, "%s failed: %s\n", step.szName, girtree::ErrorText().c_str());
            std::exit(1);
        }
        dBest = std::min(dBest, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return dBest;
}

} // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const SShape kShapes[] = {{"sections", &SectionRows}, {"wide", &WideRows}};
    const long kSamples[] = {8, 10000};
    for (size_t s = 0; s < 2; ++s) {
        const SShape& shape = kShapes[s];
        const long lMax = MaxUnits(shape, kSamples[s]);
        std::printf("%s tree: %ld units at the limit\n", shape.szName, lMax);
        std::printf("  %-12s %10s %10s %10s\n", "step", "nodes", "seconds", "ns/node");
        for (long lUnits : {lMax / 4, lMax / 2, lMax}) {
            const long lNodes = BuildTree(shape.fnRows(lUnits));
            for (const SStep& step : kSteps) {
                const double dSeconds = Fastest(step, nRuns);
                std::printf("  %-12s %10ld %10.3f %10.1f\n", step.szName, lNodes, dSeconds,
                            dSeconds * 1e9 / static_cast<double>(lNodes));
            }
        }
    }
    girtree::EndRun();
    return 0;
}
