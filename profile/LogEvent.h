// Event lines of the install log: section "Events", keyed by the time of day
// and the millisecond tick, "%H:%M:%S" then ":%04ld" of the tick modulo 1000
// (09:05:07:0456). Two events with the same key are one line: the later
// message replaces the earlier.
#pragma once

#include "CClock.h"
#include "CFilePath.h"
#include "CString.h"

// Formats the message printf-style, cut to MAX_EVENT_MESSAGE characters (never
// parting a double-byte character), and writes it into the log at once.
// Returns the length of the message written; a write failure is not reported.
int LogEvent(const CFilePath& logPath, const char* pszFormat, ...) FRAMEWORK_PRINTF(2, 3);
int LogEvent(const CFilePath& logPath, const CClock& clock, const char* pszFormat, ...)
    FRAMEWORK_PRINTF(3, 4);

const int MAX_EVENT_MESSAGE = 511;

// The key of an event at that time and tick.
CString FormatEventKey(const SYSTEMTIME& time, DWORD dwTick);
