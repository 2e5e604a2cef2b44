#pragma once

#include "model/flat/FlatExport.h"
#include "model/flat/FlatFileFormats.h"
#include "model/flat/FlatImport.h"
#include "tests/model/support/BidTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

inline FilePtr FileHolding(const std::string& bytes)
{
    FilePtr file(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return file;
}

inline std::string BytesOf(std::FILE* file)
{
    std::rewind(file);
    std::string bytes;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, n);
    return bytes;
}

// What the job's export function writes.
inline std::string ExportBytes(FlatFileFunction exportFunction, FlatFileJob& job)
{
    std::string bytes;
    EXPECT_EQ(ExportFlatBytes(exportFunction, job, bytes), FLAT_EXPORT_DONE)
        << ::testing::PrintToString(job.m_numbersTooWide);
    EXPECT_EQ(job.m_pFile, nullptr);
    return bytes;
}

// Imports the bytes into `prop` with a fresh job over the given import fields and widths.
inline CFlatImportReport ImportBytes(FlatFileFunction importFunction, CProp& prop, const FlatFieldList& fields,
                                     const std::string& bytes, const FlatFieldList& widths = {})
{
    const FilePtr file = FileHolding(bytes);
    FlatFileJob job;
    job.m_pProp = &prop;
    job.m_pFile = file.get();
    job.m_importFields = fields;
    job.m_importWidths = widths;
    return RunFlatImport(job, importFunction);
}

inline const FlatFileFormat& Format(std::string_view code)
{
    return *GetFlatFileFormat(code);
}

// A test with a proposal of the usual number formats and a job on it.
class FlatJobTest : public ::testing::Test {
protected:
    FlatJobTest() { m_job.m_pProp = m_prop.get(); }

    std::unique_ptr<CProp> m_prop = MakeBidProp();
    FlatFileJob m_job;
};
