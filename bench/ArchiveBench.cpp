// Benchmarks of the archive reader, as ratios against peers in the same run:
//   - the checksum: the sliced form against the byte-at-a-time form and
//     against zlib's crc32 (a different checksum, the speed to aim for);
//   - decoding a 64 MB mixed archive with "mkmedia test" against raw zlib
//     inflate of the same streams plus the byte-at-a-time checksum (this
//     program run with --peer), both as whole processes;
//   - peak memory of "mkmedia test" for one 64 MB member against small ones.
#include "CArchiveBuilder.h"
#include "CMultiFileCrc.h"
#include "ToolSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

const int kRuns = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class TWork>
double Seconds(TWork fnWork)
{
    auto tStart = std::chrono::steady_clock::now();
    fnWork();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
}

// Runs a program to its end; its wall time, and its peak memory in kB.
double RunProcess(const std::vector<std::string>& args, long& nPeakKb)
{
    std::vector<char*> argv;
    for (const std::string& strArg : args)
        argv.push_back(const_cast<char*>(strArg.c_str()));
    argv.push_back(nullptr);
    auto tStart = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        int nNull = open("/dev/null", O_WRONLY);
        dup2(nNull, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int nStatus = 0;
    struct rusage usage = {};
    wait4(pid, &nStatus, 0, &usage);
    double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0) {
        std::fprintf(stderr, "%s failed\n", args[0].c_str());
        std::exit(1);
    }
    nPeakKb = usage.ru_maxrss;
    return dSeconds;
}

void BenchChecksum()
{
    std::vector<unsigned char> data(64 << 20);
    std::mt19937 random(1);
    for (unsigned char& b : data)
        b = static_cast<unsigned char>(random());
    std::vector<double> sliced, bytewise, zlib;
    DWORD dwSliced = 0, dwBytewise = 0;
    uLong nZlib = 0;
    for (int i = 0; i < kRuns; ++i) {
        sliced.push_back(Seconds([&] { dwSliced = CMultiFileCrc::UpdateSliced(0, data.data(), data.size()); }));
        bytewise.push_back(Seconds([&] { dwBytewise = CMultiFileCrc::UpdateBytewise(0, data.data(), data.size()); }));
        zlib.push_back(Seconds([&] { nZlib = crc32(0, data.data(), static_cast<uInt>(data.size())); }));
    }
    if (dwSliced != dwBytewise) {
        std::fprintf(stderr, "checksum forms differ\n");
        std::exit(1);
    }
    double dMb = data.size() / 1048576.0;
    std::printf("checksum over 64 MB (median of %d; crc32 %08lx):\n", kRuns, nZlib);
    std::printf("  sliced      %8.0f MB/s\n", dMb / Median(sliced));
    std::printf("  byte-wise   %8.0f MB/s\n", dMb / Median(bytewise));
    std::printf("  zlib crc32  %8.0f MB/s\n", dMb / Median(zlib));
    std::printf("  ratio sliced / byte-wise speed: %.2f (target >= 4)\n", Median(bytewise) / Median(sliced));
    std::printf("  ratio sliced / zlib crc32 speed: %.2f\n", Median(zlib) / Median(sliced));
}

std::string WriteInput(const fs::path& dir, const std::string& strName, size_t nSize, int nKind, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::string strPath = (dir / strName).string();
    std::ofstream out(strPath, std::ios::binary);
    std::string strChunk;
    while (strChunk.size() < nSize) {
        if (nKind == 0)  // text-like
            strChunk += "line " + std::to_string(random() % 100000) + " of some plug-in text\r\n";
        else if (nKind == 1)  // incompressible
            strChunk += static_cast<char>(random());
        else  // tables of small numbers
            strChunk += static_cast<char>(random() % 16);
    }
    out.write(strChunk.data(), static_cast<std::streamsize>(nSize));
    return strPath;
}

std::string MakeArchive(const fs::path& dir, const std::string& strName, const std::vector<std::string>& files)
{
    CArchiveBuilder builder((dir / (strName + ".spool")).string());
    for (const std::string& strFile : files) {
        CPackRequest request;
        request.m_strSource = strFile;
        builder.Add(request);
    }
    std::string strPath = (dir / strName).string();
    builder.Write({}, [&](int) { return strPath; });
    return strPath;
}

// Inflates every member of a single-volume archive and checks it with the
// byte-at-a-time checksum: what a reader needs at the least.
int Peer(const char* pszArchive)
{
    FILE* pFile = std::fopen(pszArchive, "rb");
    if (pFile == nullptr)
        return 1;
    unsigned char abHeader[MultiFileEntryHeader::SIZE];
    if (std::fread(abHeader, 1, VOLUME_HEADER_SIZE, pFile) != VOLUME_HEADER_SIZE)
        return 1;
    std::vector<unsigned char> in(65536), out(65536);
    while (std::fread(abHeader, 1, sizeof abHeader, pFile) == sizeof abHeader) {
        MultiFileEntryHeader header;
        header.FromBytes(abHeader);
        DWORD dwCrc = 0;
        DWORD dwLeft = header.dwStoredSize;
        z_stream stream = {};
        inflateInit(&stream);
        while (dwLeft != 0) {
            size_t n = std::fread(in.data(), 1, std::min<size_t>(dwLeft, in.size()), pFile);
            if (n == 0)
                return 1;
            dwLeft -= static_cast<DWORD>(n);
            if (header.nMethod == METHOD_STORED) {
                dwCrc = CMultiFileCrc::UpdateBytewise(dwCrc, in.data(), n);
                continue;
            }
            stream.next_in = in.data();
            stream.avail_in = static_cast<uInt>(n);
            while (stream.avail_in != 0) {
                stream.next_out = out.data();
                stream.avail_out = static_cast<uInt>(out.size());
                int nResult = inflate(&stream, Z_NO_FLUSH);
                dwCrc = CMultiFileCrc::UpdateBytewise(dwCrc, out.data(), out.size() - stream.avail_out);
                if (nResult == Z_STREAM_END)
                    break;
                if (nResult != Z_OK)
                    return 1;
            }
        }
        inflateEnd(&stream);
        if (dwCrc != header.dwCrc)
            return 1;
    }
    std::fclose(pFile);
    return 0;
}

void BenchDecoding(const std::string& strSelf)
{
    fs::path dir = fs::temp_directory_path() / ("archive-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::vector<std::string> files;
    for (int i = 0; i < 16; ++i)
        files.push_back(WriteInput(dir, "f" + std::to_string(i), 4 << 20, i % 3, static_cast<unsigned>(i)));
    std::string strMixed = MakeArchive(dir, "MIXED.Z01", files);
    std::string strBig = MakeArchive(dir, "BIG.Z01", {WriteInput(dir, "big", 64 << 20, 0, 99)});
    std::string strSmall = MakeArchive(dir, "SMALL.Z01", {WriteInput(dir, "small", 1 << 20, 0, 98)});
    std::string strMkmedia = (fs::path(strSelf).parent_path() / "mkmedia").string();

    std::vector<double> ours, peer;
    long nOursKb = 0, nPeerKb = 0;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(RunProcess({strMkmedia, "test", "--quiet", strMixed}, nOursKb));
        peer.push_back(RunProcess({strSelf, "--peer", strMixed}, nPeerKb));
    }
    std::printf("decoding a 64 MB mixed archive (%ju bytes; median of %d, whole processes):\n",
                static_cast<uintmax_t>(fs::file_size(strMixed)), kRuns);
    std::printf("  mkmedia test                        %.3f s\n", Median(ours));
    std::printf("  raw inflate + byte-wise checksum    %.3f s\n", Median(peer));
    std::printf("  ratio mkmedia test / raw inflate: %.2f (target <= 1.25)\n", Median(ours) / Median(peer));

    long nBigKb = 0, nSmallKb = 0;
    RunProcess({strMkmedia, "test", "--quiet", strBig}, nBigKb);
    RunProcess({strMkmedia, "test", "--quiet", strSmall}, nSmallKb);
    std::printf("peak memory of mkmedia test:\n");
    std::printf("  one 64 MB member   %ld kB\n", nBigKb);
    std::printf("  one 1 MB member    %ld kB\n", nSmallKb);
    std::printf("  ratio 64 MB / 1 MB member: %.2f (flat is 1)\n", static_cast<double>(nBigKb) / nSmallKb);
    fs::remove_all(dir);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--peer")
        return Peer(argv[2]);
    SetQuiet(true);
    BenchChecksum();
    BenchDecoding(fs::read_symlink("/proc/self/exe").string());
    return 0;
}
