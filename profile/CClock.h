// The local time and the millisecond tick the install log's event keys and
// the license date are made from. These are the only two places that read
// the clock; tests hand them a clock of their own.
#pragma once

#include "Platform.h"

class CClock
{
public:
    CClock() = default;
    virtual ~CClock() = default;

    virtual void GetLocalTime(SYSTEMTIME& rTime) const;
    virtual DWORD GetTickCount() const;
};
