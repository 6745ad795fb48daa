#include "CZLibCodec.h"

#include "CZLibException.h"

#include <memory>
#include <zlib.h>

namespace {

// Ends the zlib stream on every way out; the result is checked only on the
// normal one (an exception is already on its way otherwise).
class CStreamEnd
{
public:
    CStreamEnd(z_stream* pStream, int (*pfnEnd)(z_stream*)) : m_pStream(pStream), m_pfnEnd(pfnEnd) {}
    ~CStreamEnd()
    {
        if (m_pStream != nullptr)
            m_pfnEnd(m_pStream);
    }
    CStreamEnd(const CStreamEnd&) = delete;
    CStreamEnd& operator=(const CStreamEnd&) = delete;

    void End()
    {
        z_stream* pStream = m_pStream;
        m_pStream = nullptr;
        CheckZLibResult(m_pfnEnd(pStream));
    }

private:
    z_stream* m_pStream;
    int (*m_pfnEnd)(z_stream*);
};

} // namespace

CZLibCodec::CZLibCodec()
    : m_pStream(nullptr), m_pInBuffer(nullptr), m_nInSize(BUFFER_SIZE), m_pOutBuffer(nullptr), m_nOutSize(BUFFER_SIZE)
{
    std::unique_ptr<z_stream> pStream(new z_stream());
    std::unique_ptr<BYTE[]> pIn(new BYTE[BUFFER_SIZE]);
    m_pOutBuffer = new BYTE[BUFFER_SIZE];
    m_pInBuffer = pIn.release();
    m_pStream = pStream.release();
}

CZLibCodec::~CZLibCodec()
{
    delete m_pStream;
    delete[] m_pInBuffer;
    delete[] m_pOutBuffer;
}

void CZLibCodec::PrepareStream()
{
    m_pStream->zalloc = Z_NULL;
    m_pStream->zfree = Z_NULL;
    m_pStream->opaque = this;
}

void CZLibCodec::FlushOutput()
{
    UINT nFilled = static_cast<UINT>(m_pStream->next_out - m_pOutBuffer);
    if (nFilled != 0)
        m_pOutput->Write(m_pOutBuffer, nFilled);
    m_pStream->next_out = m_pOutBuffer;
    m_pStream->avail_out = m_nOutSize;
}

void CZLibCodec::DoDecode(DWORD dwStoredSize, DWORD dwExpandedSize)
{
    PrepareStream();
    m_pStream->next_in = m_pInBuffer;
    m_pStream->avail_in = 0;
    CheckZLibResult(inflateInit(m_pStream));
    CStreamEnd end(m_pStream, inflateEnd);

    m_pStream->next_out = m_pOutBuffer;
    DWORD dwRead = 0;
    DWORD dwOut = 0;
    // The output never grows past the expanded size the header promises,
    // however much the stream would give.
    auto fnRoom = [&]() { return dwExpandedSize - dwOut < m_nOutSize ? dwExpandedSize - dwOut : m_nOutSize; };
    m_pStream->avail_out = fnRoom();
    while (dwOut != dwExpandedSize) {
        if (m_pStream->avail_in == 0) {
            DWORD dwLeft = dwStoredSize - dwRead;
            UINT n = m_pInput->Read(m_pInBuffer, dwLeft < m_nInSize ? dwLeft : m_nInSize);
            dwRead += n;
            m_pStream->next_in = m_pInBuffer;
            m_pStream->avail_in = n;
        }
        if (m_pStream->avail_out == 0) {
            FlushOutput();
            m_pStream->avail_out = fnRoom();
        }
        UINT nBefore = m_pStream->avail_out;
        int nResult = inflate(m_pStream, Z_NO_FLUSH);
        dwOut += nBefore - m_pStream->avail_out;
        if (nResult == Z_STREAM_END)
            break;
        CheckZLibResult(nResult);
    }
    FlushOutput();

    // Whatever is left of the member (the trailer, or bytes after the
    // stream) is read past, so the next header is where it belongs.
    for (DWORD dwLeft = dwStoredSize - dwRead; dwLeft != 0;) {
        UINT n = m_pInput->Read(m_pInBuffer, dwLeft < m_nInSize ? dwLeft : m_nInSize);
        if (n == 0)
            break;
        dwLeft -= n;
    }
    end.End();
}

void CZLibCodec::DoEncode()
{
    PrepareStream();
    CheckZLibResult(deflateInit(m_pStream, Z_DEFAULT_COMPRESSION));
    CStreamEnd end(m_pStream, deflateEnd);

    m_pStream->next_in = m_pInBuffer;
    m_pStream->avail_in = 0;
    m_pStream->next_out = m_pOutBuffer;
    m_pStream->avail_out = m_nOutSize;
    BOOL bMore = TRUE;
    int nResult = Z_OK;
    do {
        if (m_pStream->avail_in == 0 && bMore) {
            UINT n = m_pInput->Read(m_pInBuffer, m_nInSize);
            bMore = n != 0;
            m_pStream->next_in = m_pInBuffer;
            m_pStream->avail_in = n;
        }
        if (m_pStream->avail_out == 0)
            FlushOutput();
        nResult = deflate(m_pStream, bMore ? Z_NO_FLUSH : Z_FINISH);
        CheckZLibResult(nResult);
    } while (bMore || (nResult != Z_STREAM_END && m_pStream->avail_out == 0));
    FlushOutput();
    end.End();
}
