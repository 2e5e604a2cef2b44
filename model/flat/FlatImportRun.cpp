#include "model/flat/FlatImportRun.h"

CFlatImportReport RunFlatImport(FlatFileJob& job, FlatImportFunction import)
{
    CFlatImportReport report;
    for (int result = import(job); result != FLAT_ROW_END; result = import(job)) {
        ++report.m_iLines;
        if (result == FLAT_ROW_APPLIED) {
            ++report.m_iPricesLoaded;
            continue;
        }
        ++report.m_iProblemRows;
        if (report.m_problems.size() < CFlatImportReport::kMaxProblems)
            report.m_problems.push_back(job.m_strRowPlace + ": " + job.m_strProblem);
    }
    report.m_strError = job.m_strError;
    return report;
}
