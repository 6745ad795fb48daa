// CZLibException: the deflate codec could not decode (or encode) a stream.
#pragma once

#include "CXException.h"

DECLARE_X_EXCEPTION(CZLibException)

enum
{
    ZLX_UNKNOWN = 1,
    ZLX_STREAM = 2,
    ZLX_DATA = 3,
    ZLX_BUFFER = 4
};

// Raises what a zlib result other than Z_OK and Z_STREAM_END stands for.
void CheckZLibResult(int nResult);
