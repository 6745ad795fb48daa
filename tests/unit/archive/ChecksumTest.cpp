#include "ArchiveFixture.h"
#include "CMultiFileCrc.h"

TEST(Checksum, KnownValues)
{
    const struct
    {
        const char* pszText;
        DWORD dwCrc;
    } cases[] = {{"", 0}, {"a", 0x3AB551CE}, {"abc", 0x3E105F31}};
    for (const auto& c : cases) {
        CMultiFileCrc crc;
        CBytes bytes = TextBytes(c.pszText);
        crc.Update(bytes.data(), bytes.size());
        EXPECT_EQ(c.dwCrc, crc.GetValue()) << c.pszText;
        EXPECT_EQ(c.dwCrc, ReferenceCrc(bytes)) << c.pszText;
    }
}

// The sliced form must give the byte-at-a-time result bit for bit, for
// every length (every tail the eight-byte blocks leave) and any register.
TEST(Checksum, SlicedMatchesBytewiseForEveryLength)
{
    CBytes data = RandomBytes(4096, 1);
    DWORD dwStart = 0x9E3779B9u;
    for (size_t n = 0; n <= data.size(); ++n) {
        ASSERT_EQ(CMultiFileCrc::UpdateBytewise(0, data.data(), n), CMultiFileCrc::UpdateSliced(0, data.data(), n)) << n;
        ASSERT_EQ(CMultiFileCrc::UpdateBytewise(dwStart, data.data(), n),
                  CMultiFileCrc::UpdateSliced(dwStart, data.data(), n))
            << n;
        dwStart = dwStart * 1664525u + 1013904223u;
    }
}

TEST(Checksum, SlicedMatchesBytewiseOnLargeBuffersInPieces)
{
    CBytes data = RandomBytes(8 << 20, 2);
    DWORD dwReference = CMultiFileCrc::UpdateBytewise(0, data.data(), data.size());
    EXPECT_EQ(dwReference, ReferenceCrc(data));
    // Fed in uneven pieces, as the counted reads cut them.
    CMultiFileCrc crc;
    size_t nDone = 0;
    for (size_t nPiece = 1; nDone < data.size(); nPiece = nPiece * 7 % 65521 + 1) {
        size_t n = std::min(nPiece, data.size() - nDone);
        crc.Update(data.data() + nDone, n);
        nDone += n;
    }
    EXPECT_EQ(dwReference, crc.GetValue());
}
