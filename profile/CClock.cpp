#include "CClock.h"

void CClock::GetLocalTime(SYSTEMTIME& rTime) const
{
    ::GetLocalTime(&rTime);
}

DWORD CClock::GetTickCount() const
{
    return ::GetTickCount();
}
