#pragma once

// Settings that could not be written are told to the user at the end of what he did that wrote
// them (an OK, the exit), naming the file and the reason: nothing he chose is lost without a word.
// Nothing else changes: what he chose stays in force for the run.

// A write that failed before now is no concern of what the user does next.
void ForgetUnsavedSettings();
// "Settings could not be saved to <file>: <reason>" for the first write that failed since
// ForgetUnsavedSettings, unless the same file and reason were told already in this run.
void TellUnsavedSettings();
