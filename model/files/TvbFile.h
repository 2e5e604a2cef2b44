#pragma once

#include <memory>
#include <string>

class CProp;

// Result codes of loading and saving a proposal file.
enum TvbResult {
    kTvbNoError = 0,
    kTvbTooNew = 1,
    kTvbTooOld = 2,
    kTvbNotTvb = 3,
    kTvbCannotOpen = 4,
    kTvbCannotRead = 5,
    kTvbCannotWrite = 6,
    kTvbNoMemory = 7,
    kTvbCorrupt = 8,
    kTvbCorrupt2 = 9,
    kTvbDuplicateLines = 10,
    kTvbIsAmendment = 11,
};

// Reads a proposal file (gzip, or the same records uncompressed) into a new proposal, checks its
// line numbers and form rows and recalculates it. An amendment file is refused unless
// `acceptAmendment`. On success `prop` holds the proposal, with its file path set and its
// changed flag clear; otherwise it is null. Returns a TvbResult.
int LoadTvbFile(std::unique_ptr<CProp>& prop, const std::string& path, bool acceptAmendment);

// Stores the bid checksum in the proposal and writes it as a proposal file. The file replaces
// `path` only when everything was written; on failure the old file stays as it was. Form rows are
// first made one cell per field, as the file holds them. Returns a TvbResult; when a list or a
// field was longer than the format holds, `overflow` (when given) says which and how long; when the
// file itself could not be written, `fileError` (when given) says why, naming the file.
int SaveTvbFile(CProp& prop, const std::string& path, std::string* overflow = nullptr,
                std::string* fileError = nullptr);

// The text of a result code; with `prefix` as "Error: <text>".
std::string GetTvbFileErrorText(int code, bool prefix);
