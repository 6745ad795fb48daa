// Small text operations on CString that the path code and most other parts
// use: separators added or removed, formatting into a bounded text, and the
// pseudo-random names of temporary files.
//
// Texts are ANSI and may hold double-byte characters. The trail byte of such a
// character can equal '\\' (code pages 932, 936, 950), so every test for "ends
// with" steps through the text a character at a time instead of looking at the
// last byte alone.
#pragma once

#include "CString.h"
#include "Platform.h"

// Tells whether a byte opens a double-byte character.
typedef bool (*PFNISLEADBYTE)(BYTE ch);

// The answer of the machine's ANSI code page (never, on the native build).
bool IsAnsiLeadByte(BYTE ch);

// The index of the character after the one that starts at nIndex: a lead byte
// counts for two bytes, even where the text ends before its trail byte.
int NextCharIndex(const CString& str, int nIndex, PFNISLEADBYTE pfnIsLeadByte = IsAnsiLeadByte);

// The longest length, at most nLength, at which the text can be cut without
// parting a double-byte character.
int GetCharBoundary(const CString& str, int nLength, PFNISLEADBYTE pfnIsLeadByte = IsAnsiLeadByte);

// The text becomes its first nLength characters (no change when it is not
// longer than that).
void TruncateText(CString& str, int nLength);

// True when the last character of the text is the single-byte ch.
bool EndsWithChar(const CString& str, char ch, PFNISLEADBYTE pfnIsLeadByte = IsAnsiLeadByte);

// Remove ch when it is the first (last) character of the text.
void StripLeadingChar(CString& str, char ch);
void StripTrailingChar(CString& str, char ch);

// Remove one leading (trailing) backslash, but never from the text "\": the
// root directory stays what it is.
void StripLeadingBackslash(CString& str);
void StripTrailingBackslash(CString& str);

// Put a backslash in front of (after) the text unless one is there; an empty
// text becomes "\".
void EnsureLeadingBackslash(CString& str);
void EnsureTrailingBackslash(CString& str);

// nLength (at most 20) lower-case hexadecimal digits. Every call draws five
// values from the program's own generator, whose sequence is the same in every
// run: the first call of a run gives "4ae16784..." and the second "5f906952...".
CString MakeRandomName(int nLength);

// Tests only: starts the sequence of MakeRandomName again, as at program start.
void RestartRandomNamesForTesting();

// The longest text FormatText and FormatResourceText produce; a longer result
// is cut there (before a double-byte character that would not fit whole).
const int MAX_FORMATTED_TEXT = 511;

// printf-style formatting into strOut; returns the length of strOut. An
// invalid format gives an empty text.
int FormatText(CString& strOut, const char* pszFormat, ...) FRAMEWORK_PRINTF(2, 3);

// FormatText with the format from the string table. A missing or empty entry
// returns 0 and leaves strOut unchanged.
int FormatResourceText(CString& strOut, UINT nID, ...);
