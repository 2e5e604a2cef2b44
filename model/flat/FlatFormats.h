#pragma once

#include "model/flat/FlatFileJob.h"

// The format functions of the flat-file format table. An export writes every item of the job's
// proposal to its file and returns a FlatExportResult; an import reads and applies one row per
// call and returns a FlatRowResult (FLAT_ROW_END once the file is done).

int ExportCsv(FlatFileJob& job);
int ExportCs2(FlatFileJob& job); // every field quoted: commas become blanks, quotes two single quotes
int ImportCsv(FlatFileJob& job); // CSV and CS2
int ExportTab(FlatFileJob& job);
int ImportTab(FlatFileJob& job);
int ExportCol(FlatFileJob& job);
int ImportCol(FlatFileJob& job);
int ExportDif(FlatFileJob& job);
int ImportDif(FlatFileJob& job);
int ExportWk1(FlatFileJob& job);
int ImportWk1(FlatFileJob& job);

// The proposal as a pass file of tagged records; the job's field lists are not used.
int ExportPassFile(FlatFileJob& job);
// The pass file cannot be read back: the end of the file, at once.
int ImportNothing(FlatFileJob& job);
