#include "ArchiveFixture.h"
#include "CNamedFile.h"
#include "CStoredCodec.h"
#include "CZLibCodec.h"
#include "CZLibException.h"

#include <memory>
#include <zlib.h>

namespace {

class CodecTest : public ArchiveTest
{
protected:
    // Decodes the file "in" (stored bytes) into "out"; returns the input's
    // position afterwards.
    DWORD Decode(CCodec& codec, const CBytes& stored, DWORD dwStoredSize, DWORD dwExpandedSize)
    {
        CNamedFile input, output;
        input.OpenForRead(Write("in", stored).c_str(), TRUE);
        output.OpenForWrite(PathOf("out").c_str(), TRUE);
        codec.Decode(&input, &output, dwStoredSize, dwExpandedSize);
        return input.GetPosition();
    }
    CBytes Encode(CCodec& codec, const CBytes& data)
    {
        CNamedFile input, output;
        input.OpenForRead(Write("plain", data).c_str(), TRUE);
        output.OpenForWrite(PathOf("encoded").c_str(), TRUE);
        codec.Encode(&input, &output);
        output.Close();
        return ReadAll(PathOf("encoded"));
    }
};

} // namespace

TEST_F(CodecTest, RoundTripsBothMethods)
{
    for (size_t nSize : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(70000)}) {
        CBytes data = RandomBytes(nSize, static_cast<unsigned>(nSize));
        data.insert(data.end(), nSize, 'x');  // something to compress
        for (bool bDeflate : {false, true}) {
            std::unique_ptr<CCodec> pCodec(bDeflate ? static_cast<CCodec*>(new CZLibCodec) : new CStoredCodec);
            CBytes encoded = Encode(*pCodec, data);
            std::unique_ptr<CCodec> pDecoder(bDeflate ? static_cast<CCodec*>(new CZLibCodec) : new CStoredCodec);
            EXPECT_EQ(encoded.size(), Decode(*pDecoder, encoded, static_cast<DWORD>(encoded.size()),
                                              static_cast<DWORD>(data.size())));
            EXPECT_EQ(data, ReadAll(PathOf("out"))) << nSize << (bDeflate ? " deflate" : " stored");
        }
    }
}

TEST_F(CodecTest, DeflateOfNothingIsOneCompleteStream)
{
    CZLibCodec codec;
    CBytes encoded = Encode(codec, CBytes());
    uLongf nOut = 16;
    unsigned char abOut[16];
    ASSERT_EQ(Z_OK, uncompress(abOut, &nOut, encoded.data(), static_cast<uLong>(encoded.size())));
    EXPECT_EQ(0u, nOut);
    EXPECT_EQ(8u, encoded.size());  // header, empty final block, Adler-32
}

TEST_F(CodecTest, StoredOfSizeZeroReadsAndWritesNothing)
{
    CStoredCodec codec;
    EXPECT_EQ(0u, Decode(codec, TextBytes("unrelated"), 0, 0));
    EXPECT_TRUE(ReadAll(PathOf("out")).empty());
}

TEST_F(CodecTest, StoredInputEndingEarlyKeepsWhatCameAndRaisesEndOfFile)
{
    CBytes data = RandomBytes(100, 3);
    CStoredCodec codec;
    try {
        Decode(codec, data, 200, 200);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        CExceptionGuard guard(e);
        EXPECT_EQ(CFileException::endOfFile, e->m_cause);
        EXPECT_EQ(-1, e->m_lOsError);
    }
    EXPECT_EQ(data, ReadAll(PathOf("out")));
}

TEST_F(CodecTest, DamagedDeflateDataRaisesItsCode)
{
    CBytes data(20000, 'q');
    CBytes stream = Deflate(RandomBytes(20000, 4));
    CBytes garbled = stream;
    for (size_t i = 2; i < garbled.size(); i += 3)
        garbled[i] ^= 0x5A;
    const struct
    {
        const char* pszCase;
        CBytes stored;
        DWORD dwStoredSize;
        int nCode;
    } cases[] = {
        {"cut short", CBytes(stream.begin(), stream.begin() + 1000), 1000, ZLX_BUFFER},
        {"stored size smaller than the stream", stream, 1000, ZLX_BUFFER},
        {"corrupted", garbled, static_cast<DWORD>(garbled.size()), ZLX_DATA},
        {"not zlib at all", TextBytes("plain text, no zlib header"), 26, ZLX_DATA},
    };
    for (const auto& c : cases) {
        CZLibCodec codec;
        try {
            Decode(codec, c.stored, c.dwStoredSize, 20000);
            ADD_FAILURE() << c.pszCase << ": no exception";
        } catch (CZLibException* e) {
            CExceptionGuard guard(e);
            EXPECT_EQ(c.nCode, e->m_nCode) << c.pszCase;
        }
    }
}

// A header may promise less than the stream holds: the output stops at the
// promised size and the rest of the member is still consumed.
TEST_F(CodecTest, DeflateNeverWritesPastTheExpandedSize)
{
    CBytes data(1 << 20, 'z');
    CBytes stream = Deflate(data);
    CZLibCodec codec;
    EXPECT_EQ(stream.size(), Decode(codec, stream, static_cast<DWORD>(stream.size()), 1000));
    EXPECT_EQ(CBytes(1000, 'z'), ReadAll(PathOf("out")));
}

TEST_F(CodecTest, CancelOnlySetsTheFlagAndTheNextRunClearsIt)
{
    CStoredCodec codec;
    codec.Cancel();
    EXPECT_TRUE(codec.IsCancelled());
    CBytes data = RandomBytes(10, 5);
    Decode(codec, data, 10, 10);
    EXPECT_FALSE(codec.IsCancelled());
    EXPECT_EQ(data, ReadAll(PathOf("out")));
}
