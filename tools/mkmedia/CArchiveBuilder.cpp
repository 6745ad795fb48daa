#include "CArchiveBuilder.h"

#include "CMultiFileEntry.h"
#include "CStoredCodec.h"
#include "CZLibCodec.h"
#include "ToolSupport.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <cstring>
#include <stdexcept>

namespace {

void CopyField(char* pField, size_t nSize, const std::string& strText, const char* pszWhat)
{
    if (strText.size() >= nSize)
        throw std::runtime_error(std::string(pszWhat) + " too long (at most " + std::to_string(nSize - 1) +
                                 " characters): " + strText);
    std::memset(pField, 0, nSize);
    std::memcpy(pField, strText.data(), strText.size());
}

// The file being packed; its counted reads tick every 4 MB, and a large
// file reports how far it has got.
class CPackInput : public CMultiFile
{
public:
    CPackInput(const std::string& strName, DWORD dwSize) : m_strName(strName), m_dwSize(dwSize)
    {
        m_nTick = 4 << 20;
    }
    void OnTick() override
    {
        if (m_dwSize >= 16u << 20)
            ReportProgress("  " + m_strName + ": " +
                           std::to_string(static_cast<unsigned long long>(static_cast<DWORD>(m_nRead)) * 100 / m_dwSize) +
                           "%");
    }

private:
    std::string m_strName;
    DWORD m_dwSize;
};

} // namespace

std::string MemberName(const std::string& strSource)
{
    return static_cast<const char*>(CMultiFileEntry::FinalComponent(strSource.c_str()));
}

CArchiveBuilder::CArchiveBuilder(const std::string& strSpoolPath) : m_strSpoolPath(strSpoolPath)
{
    m_spool.OpenForWrite(m_strSpoolPath.c_str(), TRUE);
}

CArchiveBuilder::~CArchiveBuilder()
{
    m_spool.Abort();
    std::remove(m_strSpoolPath.c_str());
}

void CArchiveBuilder::Add(const CPackRequest& request)
{
    CMultiFileEntry file;
    file.m_strName = request.m_strSource.c_str();
    file.FillFromFile();

    CPackedMember member;
    MultiFileEntryHeader& header = member.m_header;
    std::string strName = request.m_strName.empty() ? MemberName(request.m_strSource) : request.m_strName;
    if (strName.empty())
        throw std::runtime_error("no member name for " + request.m_strSource);
    CopyField(header.szName, sizeof header.szName, strName, "member name");
    CopyField(header.szNote, sizeof header.szNote, request.m_strNote, "note");
    header.tModified = request.m_bGivenTime ? request.m_tModified : file.m_header.tModified;
    header.wAttributes = request.m_bGivenAttributes ? request.m_wAttributes : file.m_header.wAttributes;
    header.nDestination = request.m_nDestination;

    CNamedFile& spool = m_spool;
    member.m_nSpoolOffset = spool.SeekToEnd();

    // Deflate first; where that does not shrink the file, store it instead.
    for (BOOL bStored = request.m_bStored;; bStored = TRUE) {
        CPackInput input(strName, file.m_header.dwExpandedSize);
        input.OpenForRead(request.m_strSource.c_str(), TRUE);
        std::unique_ptr<CCodec> pCodec(bStored ? static_cast<CCodec*>(new CStoredCodec) : new CZLibCodec);
        pCodec->Encode(&input, &spool);
        header.nMethod = bStored ? METHOD_STORED : METHOD_DEFLATE;
        header.dwExpandedSize = static_cast<DWORD>(input.m_nRead);
        header.dwCrc = input.m_crc.GetValue();
        header.dwStoredSize = static_cast<DWORD>(spool.GetPosition() - member.m_nSpoolOffset);
        if (bStored || header.dwStoredSize < header.dwExpandedSize)
            break;
        spool.SetLength(static_cast<DWORD>(member.m_nSpoolOffset));
    }
    m_members.push_back(member);
}

long long CArchiveBuilder::GetStreamSize() const
{
    long long nSize = 0;
    for (const CPackedMember& member : m_members)
        nSize += MultiFileEntryHeader::SIZE + static_cast<long long>(member.m_header.dwStoredSize);
    return nSize;
}

std::vector<long long> CArchiveBuilder::PlanCuts(const std::function<long long(int)>& fnCapacity) const
{
    // A volume may end only strictly inside a member's data; each volume
    // takes the last such place that still fits.
    std::vector<long long> cuts;
    long long nTotal = GetStreamSize();
    for (long long nStart = 0;;) {
        int nVolume = static_cast<int>(cuts.size());
        long long nEnd = nStart + fnCapacity(nVolume) - VOLUME_HEADER_SIZE;
        if (nEnd >= nTotal)
            return cuts;
        long long nCut = -1;
        long long nHeader = 0;
        for (const CPackedMember& member : m_members) {
            long long nData = nHeader + MultiFileEntryHeader::SIZE;
            long long nDataEnd = nData + member.m_header.dwStoredSize;
            long long nLast = std::min(nDataEnd - 1, nEnd);
            if (nLast >= nData + 1 && nLast > nStart)
                nCut = std::max(nCut, nLast);
            nHeader = nDataEnd;
        }
        if (nCut < 0)
            throw std::runtime_error("volume " + std::to_string(nVolume + 1) + " (" +
                                     std::to_string(fnCapacity(nVolume)) +
                                     " bytes) is too small: a volume must end inside a member's data");
        cuts.push_back(nCut);
        nStart = nCut;
    }
}

std::vector<std::string> CArchiveBuilder::Write(const std::vector<long long>& cuts,
                                                const std::function<std::string(int)>& fnVolumePath)
{
    static const BYTE abVolumeHeader[VOLUME_HEADER_SIZE] = {'m', 'f', 'l', 'h', 0, 0, 0, 0};
    std::vector<std::string> volumes;
    CNamedFile volume;
    auto fnOpenVolume = [&]() {
        volumes.push_back(fnVolumePath(static_cast<int>(volumes.size())));
        volume.OpenForWrite(volumes.back().c_str(), TRUE);
        volume.Write(abVolumeHeader, sizeof abVolumeHeader);
    };
    fnOpenVolume();

    CNamedFile& spool = m_spool;
    std::vector<BYTE> buffer(65536);
    size_t nNextCut = 0;
    long long nPosition = 0;
    for (CPackedMember& member : m_members) {
        MultiFileEntryHeader& header = member.m_header;
        long long nData = nPosition + MultiFileEntryHeader::SIZE;
        long long nDataEnd = nData + header.dwStoredSize;
        header.wContinued = nNextCut < cuts.size() && cuts[nNextCut] < nDataEnd ? 1 : 0;
        BYTE abHeader[MultiFileEntryHeader::SIZE];
        header.ToBytes(abHeader);
        volume.Write(abHeader, sizeof abHeader);
        nPosition = nData;

        spool.Seek(static_cast<LONG>(member.m_nSpoolOffset), CFile::begin);
        while (nPosition < nDataEnd) {
            long long nPiece = std::min<long long>(nDataEnd - nPosition, static_cast<long long>(buffer.size()));
            if (nNextCut < cuts.size())
                nPiece = std::min(nPiece, cuts[nNextCut] - nPosition);
            spool.ReadExact(buffer.data(), static_cast<UINT>(nPiece));
            volume.Write(buffer.data(), static_cast<UINT>(nPiece));
            nPosition += nPiece;
            if (nNextCut < cuts.size() && nPosition == cuts[nNextCut]) {
                volume.Close();
                ++nNextCut;
                fnOpenVolume();
            }
        }
    }
    volume.Close();
    return volumes;
}
