#include "LogEvent.h"

#include "CProfileString.h"
#include "TextOperations.h"

#include <cstdarg>
#include <cstdio>

namespace {

int LogEventV(const CFilePath& logPath, const CClock& clock, const char* pszFormat, va_list args)
    FRAMEWORK_PRINTF(3, 0);

int LogEventV(const CFilePath& logPath, const CClock& clock, const char* pszFormat, va_list args)
{
    char szMessage[MAX_EVENT_MESSAGE + 1];
    const int nFormatted = vsnprintf(szMessage, sizeof szMessage, pszFormat, args);
    CString strMessage(nFormatted < 0 ? "" : szMessage);
    // vsnprintf cuts by bytes; a double-byte character split there goes whole.
    strMessage = strMessage.Left(GetCharBoundary(strMessage, strMessage.GetLength()));

    SYSTEMTIME now{};
    clock.GetLocalTime(now);
    const CString strKey = FormatEventKey(now, clock.GetTickCount());
    CProfileString(strMessage, "Events", strKey, logPath, FALSE, FALSE).Write();
    return strMessage.GetLength();
}

}  // namespace

CString FormatEventKey(const SYSTEMTIME& time, DWORD dwTick)
{
    CString strKey;
    strKey.Format("%02u:%02u:%02u:%04lu", static_cast<unsigned>(time.wHour),
                  static_cast<unsigned>(time.wMinute), static_cast<unsigned>(time.wSecond),
                  static_cast<unsigned long>(dwTick % 1000));
    return strKey;
}

int LogEvent(const CFilePath& logPath, const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const int nLength = LogEventV(logPath, CClock(), pszFormat, args);
    va_end(args);
    return nLength;
}

int LogEvent(const CFilePath& logPath, const CClock& clock, const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const int nLength = LogEventV(logPath, clock, pszFormat, args);
    va_end(args);
    return nLength;
}
