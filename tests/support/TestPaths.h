#pragma once

// Where this build's tests find the fixtures, the samples and the program. The paths come from
// a source generated per build, not from the compile line: the test objects stay the same in
// every checkout, so the compiler cache shares them.
namespace testsupport {

const char* FixturesFolder();
const char* SamplesFolder();
const char* ProgramPath(); // the built program; empty where it is not built

} // namespace testsupport

#define ZOD_FIXTURES ::testsupport::FixturesFolder()
#define ZOD_SAMPLES ::testsupport::SamplesFolder()
#define ZOD_PROGRAM ::testsupport::ProgramPath()
