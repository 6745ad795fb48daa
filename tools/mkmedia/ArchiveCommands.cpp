#include "ArchiveCommands.h"

#include "CVolumeArchive.h"
#include "ToolSupport.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>

namespace {

const char* MethodName(LONG nMethod)
{
    switch (nMethod) {
    case METHOD_STORED: return "stored";
    case METHOD_DEFLATE: return "deflate";
    default: return "unknown";
    }
}

std::string FormatTime(LONG tModified)
{
    std::time_t t = tModified;
    std::tm parts{};
#ifdef _WIN32
    if (gmtime_s(&parts, &t) != 0)
        return "?";
#else
    if (gmtime_r(&t, &parts) == nullptr)
        return "?";
#endif
    char szText[32];
    std::strftime(szText, sizeof szText, "%Y-%m-%d %H:%M:%S", &parts);
    return szText;
}

// Walks the members; fnMember handles one (and consumes its data). Errors
// are reported with the member they belong to.
int WalkArchive(const std::string& strArchive, const std::function<void(CVolumeArchive&, CMultiFileEntry&)>& fnMember)
{
    CString strMember;
    try {
        CVolumeArchive archive;
        archive.OpenArchive(strArchive.c_str());
        CMultiFileEntry entry(&archive);
        while (archive.ReadEntryHeader(&entry, FALSE)) {
            strMember = entry.m_strName;
            fnMember(archive, entry);
            strMember.Empty();
        }
        return 0;
    } catch (CException* e) {
        CExceptionGuard guard(e);
        if (strMember.IsEmpty())
            std::fprintf(stderr, "mkmedia: %s: %s\n", strArchive.c_str(), DescribeException(e).c_str());
        else
            std::fprintf(stderr, "mkmedia: %s: member %s: %s\n", strArchive.c_str(),
                         static_cast<const char*>(strMember), DescribeException(e).c_str());
        return 1;
    }
}

void SkipMember(CVolumeArchive& archive, CMultiFileEntry& entry)
{
    if (!archive.Skip(&entry))
        AfxThrowFileException(CFileException::endOfFile, -1);
}

} // namespace

int ListArchive(const std::string& strArchive)
{
    std::printf("%-24s %10s %10s %-7s %5s %4s %-19s %-8s %s\n", "Name", "Size", "Stored", "Method", "Dest", "Attr",
                "Modified (UTC)", "Checksum", "Cont");
    return WalkArchive(strArchive, [](CVolumeArchive& archive, CMultiFileEntry& entry) {
        const MultiFileEntryHeader& h = entry.m_header;
        std::printf("%-24s %10lu %10lu %-7s %5d %04x %-19s %08lx %s\n", static_cast<const char*>(entry.m_strName),
                    static_cast<unsigned long>(h.dwExpandedSize), static_cast<unsigned long>(h.dwStoredSize),
                    MethodName(h.nMethod), h.nDestination, h.wAttributes, FormatTime(h.tModified).c_str(),
                    static_cast<unsigned long>(h.dwCrc), h.wContinued ? "yes" : "no");
        SkipMember(archive, entry);
    });
}

int TestArchive(const std::string& strArchive, CArchiveSummary* pSummary)
{
    std::string strScratch = MakeTempPath("test");
    CArchiveSummary summary;
    int nStatus = WalkArchive(strArchive, [&](CVolumeArchive& archive, CMultiFileEntry& entry) {
        RemoveFile(strScratch);
        entry.SetOutputPath(strScratch.c_str());
        archive.Extract(&entry);
        // A stream that ends early passes a checksum of 0 ("not checked").
        if (static_cast<DWORD>(entry.m_nWritten) != entry.m_header.dwExpandedSize)
            AfxThrowFileException(CFileException::endOfFile, -1);
        ++summary.m_nMembers;
        summary.m_nExpanded += entry.m_header.dwExpandedSize;
        summary.m_nVolumes = archive.GetVolumeCount();
    });
    RemoveFile(strScratch);
    if (nStatus == 0 && pSummary == nullptr)
        std::printf("%s: %d members OK\n", strArchive.c_str(), summary.m_nMembers);
    if (pSummary != nullptr)
        *pSummary = summary;
    return nStatus;
}

int ExtractArchive(const std::string& strArchive, const std::string& strDirectory)
{
    std::error_code error;
    std::filesystem::create_directories(strDirectory, error);
    return WalkArchive(strArchive, [&](CVolumeArchive& archive, CMultiFileEntry& entry) {
        CString strName = entry.GetFinalName();
        if (strName.IsEmpty())
            AfxThrowFileException(CFileException::badPath, -1, entry.m_strName);
        std::string strPath = JoinPath(strDirectory, static_cast<const char*>(strName));
        RemoveFile(strPath);
        entry.SetOutputPath(strPath.c_str());
        archive.Extract(&entry);
        ReportProgress("extracted " + strPath);
    });
}
