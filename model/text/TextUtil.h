#pragma once

#include "platform/core/LeadingInt.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text helpers over Windows-1252 bytes. Pure functions: safe from any thread.

// Copies the pattern, replacing "%0".."%9" below the argument count by the arguments.
std::string SubstituteArgs(std::string_view pattern, const std::vector<std::string>& args);

// Parts of a Windows-style path: 1 drive, 2 folder (with its last '\'), 4 name, 8 extension (with
// the dot when flags >= 9). A file name without a dot gives nothing for 4 and 8. "" for "".
enum : int { kPathDrive = 1, kPathFolder = 2, kPathName = 4, kPathExtension = 8 };
std::string SplitPath(std::string_view path, int flags);

// Position of the first character not in / in the set; npos when there is none.
std::size_t SkipCharsOfSet(std::string_view text, std::string_view set);
std::size_t FindFirstOfSet(std::string_view text, std::string_view set);

void TrimRightChars(std::string& text, std::string_view set);
void TrimLeftChars(std::string& text, std::string_view set);
bool IsBlankString(std::string_view text); // empty, or only blanks and tabs

// '*' any run, '?' one character; the whole text must match.
bool WildcardMatch(std::string_view text, std::string_view pattern, bool exactCase);
// The patterns are separated by ';'.
bool MatchesAnyPattern(std::string_view text, std::string_view patterns, bool exactCase);

// Reads one token at the cursor into token: leading characters of skipSet are skipped (null: blanks
// and tabs, or only blanks when the separators hold a tab); with quoted, '"' toggles quoting and
// '""' inside quotes gives one quote. Returns the separator that ended the token, 0 at the end of
// the text, -1 when the cursor held no text. With advance the cursor moves past the separator.
int NextToken(std::string_view& cursor, std::string& token, const char* skipSet,
              std::string_view separators, bool quoted, bool advance);

// After skipping characters of skipSet, consumes and returns the next character when it is in
// the set, else returns 0 and consumes nothing but the skipped characters.
char ExpectChar(std::string_view& cursor, std::string_view set, std::string_view skipSet = " \t");

// Copies letters, digits and '_' after skipping blanks and tabs (with anyFirst the first character
// may be anything). Returns the character after the identifier (0 at the end), moving past it
// with advance. Without anyFirst a first character that cannot start one is returned at once.
char NextIdentifier(std::string_view& cursor, std::string& identifier, bool anyFirst, bool advance);

void RemoveChars(std::string& text, std::string_view set);

// For comma-separated files: quoted (quotes doubled) when the text holds a quote or a comma.
std::string QuoteCsvField(std::string_view text);
// Skips leading blanks and tabs; a quoted field gives its content with doubled quotes made single.
std::string UnquoteField(std::string_view text);

// The tokens of NextToken; a text ending in a separator gives a last empty token. With trim each
// token loses its blanks and tabs (only blanks when the separators hold a tab).
std::vector<std::string> SplitToList(std::string_view text, std::string_view separators,
                                     bool quoted, bool trim);

void ConcatStrings(std::string& destination, std::initializer_list<std::string_view> texts);

// Trims blanks and tabs in place; true when the text begins with T, Y or 1 (any case).
bool ParseYesNo(std::string& text);

// 0 when the texts are equal, 1 when they differ.
int StringsDiffer(std::string_view a, std::string_view b);

// Line n (from 0) of a text whose lines end at line feeds; nullopt when it has fewer lines.
std::optional<std::string> GetTextLine(std::string_view text, int n);

// The values separated by ','. count 0: up to the first zero value; otherwise the first count
// values (never past the list), a zero value giving an empty field.
std::string FormatIntList(const std::vector<int>& values, std::size_t count);
// Decimal values separated by ',' (an empty field is 0), at most maximum of them. Returns the count.
std::size_t ParseIntList(std::vector<int>& values, std::string_view text, std::size_t maximum);

int HexDigitValue(char c);             // 0 for a character that is no hex digit
int HexByteValue(std::string_view text); // two hex digits; 0 for a shorter text

// value when it exceeds low, else the smaller of low and high.
int ChooseAboveLow(int value, int low, int high);
