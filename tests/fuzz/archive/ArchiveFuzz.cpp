// Feeds arbitrary bytes to the archive reader and extracts every member into
// a scratch directory. The marker "VOL:" splits the input into volume files
// (input.z01, input.z02 ...), so continued members and volume switches are
// reached too. Any outcome but a clean return or one of the reader's
// exceptions is a finding.
#include "CVolumeArchive.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const int kMaxVolumes = 9;

const std::string& ScratchDirectory()
{
    static const std::string s_strDirectory = [] {
        char szTemplate[] = "/tmp/archive-fuzz-XXXXXX";
        const char* pszDirectory = mkdtemp(szTemplate);
        return std::string(pszDirectory != nullptr ? pszDirectory : "/tmp");
    }();
    return s_strDirectory;
}

std::string VolumePath(int nVolume)
{
    return ScratchDirectory() + "/input.z0" + std::to_string(nVolume);
}

void WriteVolumes(const uint8_t* pData, size_t nSize)
{
    for (int nVolume = 1; nVolume <= kMaxVolumes; ++nVolume)
        unlink(VolumePath(nVolume).c_str());
    const uint8_t* pEnd = pData + nSize;
    for (int nVolume = 1; nVolume <= kMaxVolumes; ++nVolume) {
        const uint8_t* pCut = pEnd;
        if (nVolume < kMaxVolumes) {
            for (const uint8_t* p = pData; p + 4 <= pEnd; ++p) {
                if (std::memcmp(p, "VOL:", 4) == 0) {
                    pCut = p;
                    break;
                }
            }
        }
        FILE* pFile = std::fopen(VolumePath(nVolume).c_str(), "wb");
        if (pFile == nullptr)
            return;
        std::fwrite(pData, 1, static_cast<size_t>(pCut - pData), pFile);
        std::fclose(pFile);
        if (pCut == pEnd)
            return;
        pData = pCut + 4;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    WriteVolumes(pData, nSize);
    const std::string strOutput = ScratchDirectory() + "/member.out";
    try {
        CVolumeArchive archive;
        archive.OpenArchive(VolumePath(1).c_str());
        CMultiFileEntry entry(&archive);
        entry.SetOutputPath(strOutput.c_str());
        while (archive.ReadEntryHeader(&entry, FALSE)) {
            unlink(strOutput.c_str());
            (void)entry.GetFinalName();
            archive.Extract(&entry);
        }
    } catch (CException* e) {
        CExceptionGuard guard(e);
    }
    unlink(strOutput.c_str());
    return 0;
}
