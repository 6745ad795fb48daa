#include "MkmediaFixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string ProgramPath()
{
#ifdef _WIN32
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return (fs::path(szPath).parent_path() / "mkmedia.exe").string();
#else
    return (fs::read_symlink("/proc/self/exe").parent_path() / "mkmedia").string();
#endif
}

} // namespace

CBytes RandomBytes(size_t nSize, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    CBytes bytes(nSize);
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(random());
    return bytes;
}

CBytes TextBytes(const std::string& str)
{
    return CBytes(str.begin(), str.end());
}

void MkmediaTest::SetUp()
{
    std::mt19937 random(std::random_device{}());
    m_dir = fs::temp_directory_path() / ("mkmedia-test-" + std::to_string(random()));
    fs::create_directories(m_dir);
}

void MkmediaTest::TearDown()
{
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(m_dir, error))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(m_dir, error);
}

std::string MkmediaTest::Write(const std::string& strName, const CBytes& bytes) const
{
    fs::create_directories(fs::path(PathOf(strName)).parent_path());
    std::ofstream out(PathOf(strName), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return PathOf(strName);
}

CBytes MkmediaTest::Read(const std::string& strPath) const
{
    std::ifstream in(strPath, std::ios::binary);
    return CBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string MkmediaTest::ReadText(const std::string& strPath) const
{
    CBytes bytes = Read(strPath);
    return std::string(bytes.begin(), bytes.end());
}

CRunResult MkmediaTest::Run(const std::string& strArgs)
{
    std::string strCommand = "\"" + ProgramPath() + "\" " + strArgs + " >\"" + PathOf("stdout.txt") + "\" 2>\"" +
                             PathOf("stderr.txt") + "\"";
#ifdef _WIN32
    // cmd.exe drops the outer quotes of a line that starts with one.
    int nStatus = std::system(("\"" + strCommand + "\"").c_str());
#else
    int nStatus = std::system(strCommand.c_str());
    nStatus = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
#endif
    return {nStatus, ReadText(PathOf("stdout.txt")), ReadText(PathOf("stderr.txt"))};
}
