#include "CZLibException.h"

#include "resource.h"

#include <cerrno>
#include <zlib.h>

namespace {

const CXErrorEntry kZLibTable[] = {
    {ZLX_UNKNOWN, IDS_ERR_ZLIB_UNKNOWN, IDS_ERR_ZLIB_LONG},
    {ZLX_STREAM, IDS_ERR_ZLIB_STREAM, IDS_ERR_ZLIB_LONG},
    {ZLX_DATA, IDS_ERR_ZLIB_DATA, IDS_ERR_ZLIB_LONG},
    {ZLX_BUFFER, IDS_ERR_ZLIB_BUFFER, IDS_ERR_ZLIB_LONG},
};

} // namespace

IMPLEMENT_X_EXCEPTION(CZLibException, kZLibTable)

void CheckZLibResult(int nResult)
{
    switch (nResult) {
    case Z_OK:
    case Z_STREAM_END:
        return;
    case Z_ERRNO:
        CFileException::ThrowErrno(errno);
    case Z_STREAM_ERROR:
        throw new CZLibException(ZLX_STREAM);
    case Z_DATA_ERROR:
        throw new CZLibException(ZLX_DATA);
    case Z_MEM_ERROR:
        AfxThrowMemoryException();
    case Z_BUF_ERROR:
        throw new CZLibException(ZLX_BUFFER);
    default:
        throw new CZLibException(ZLX_UNKNOWN);
    }
}
