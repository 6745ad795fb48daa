#include "PackCommand.h"

#include "CArchiveBuilder.h"
#include "ToolSupport.h"
#include "VolumeName.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

long long ParseNumber(const std::string& strText, const char* pszOption, long long nMin, long long nMax)
{
    char* pEnd = nullptr;
    long long n = std::strtoll(strText.c_str(), &pEnd, 0);
    if (strText.empty() || *pEnd != '\0' || n < nMin || n > nMax)
        throw std::runtime_error(std::string(pszOption) + ": not a number in range: " + strText);
    return n;
}

struct CPackOptions
{
    std::string m_strArchive;
    long long m_nVolumeSize = 0;  // 0: one volume
    bool m_bDiskDirectories = false;
    int m_nFirstDisk = 1;
    std::vector<CPackRequest> m_requests;
};

CPackOptions ParsePackArguments(const std::vector<std::string>& args)
{
    CPackOptions options;
    CPackRequest current;  // options that apply to the files that follow
    std::string strNextName;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& strArg = args[i];
        auto fnValue = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw std::runtime_error(strArg + " needs a value");
            return args[++i];
        };
        if (strArg == "--volume-size")
            options.m_nVolumeSize = ParseNumber(fnValue(), "--volume-size", 1, 0x7FFFFFFF);
        else if (strArg == "--disk-dirs")
            options.m_bDiskDirectories = true;
        else if (strArg == "--first-disk")
            options.m_nFirstDisk = static_cast<int>(ParseNumber(fnValue(), "--first-disk", 1, 99));
        else if (strArg == "--quiet")
            SetQuiet(true);
        else if (strArg == "--method") {
            const std::string& strMethod = fnValue();
            if (strMethod != "deflate" && strMethod != "stored")
                throw std::runtime_error("--method: deflate or stored, not " + strMethod);
            current.m_bStored = strMethod == "stored";
        } else if (strArg == "--dest")
            current.m_nDestination = static_cast<short>(ParseNumber(fnValue(), "--dest", -32768, 32767));
        else if (strArg == "--attributes") {
            const std::string& strValue = fnValue();
            current.m_bGivenAttributes = strValue != "file";
            if (current.m_bGivenAttributes)
                current.m_wAttributes = static_cast<WORD>(ParseNumber(strValue, "--attributes", 0, 0xFFFF));
        } else if (strArg == "--time") {
            const std::string& strValue = fnValue();
            current.m_bGivenTime = strValue != "file";
            if (current.m_bGivenTime)
                current.m_tModified = static_cast<LONG>(ParseNumber(strValue, "--time", 0, 0x7FFFFFFF));
        } else if (strArg == "--note")
            current.m_strNote = fnValue();
        else if (strArg == "--name")
            strNextName = fnValue();
        else if (strArg.size() > 1 && strArg[0] == '-' && strArg[1] == '-')
            throw std::runtime_error("unknown option " + strArg);
        else if (options.m_strArchive.empty())
            options.m_strArchive = strArg;
        else {
            CPackRequest request = current;
            request.m_strSource = strArg;
            request.m_strName = strNextName;
            strNextName.clear();
            options.m_requests.push_back(request);
        }
    }
    if (options.m_strArchive.empty())
        throw std::runtime_error("pack: no archive named");
    if (options.m_bDiskDirectories && options.m_nVolumeSize == 0)
        throw std::runtime_error("--disk-dirs needs --volume-size");
    return options;
}

} // namespace

int PackCommand(const std::vector<std::string>& args)
{
    CPackOptions options = ParsePackArguments(args);
    CArchiveBuilder builder(MakeTempPath("spool"));
    int nFile = 0;
    for (const CPackRequest& request : options.m_requests) {
        ReportProgress("packing " + request.m_strSource + " (" + std::to_string(++nFile) + "/" +
                       std::to_string(options.m_requests.size()) + ")");
        builder.Add(request);
    }

    std::vector<long long> cuts;
    if (options.m_nVolumeSize != 0)
        cuts = builder.PlanCuts([&](int) { return options.m_nVolumeSize; });

    CString strDirectory, strName;
    SplitVolumePath(options.m_strArchive.c_str(), strDirectory, strName);
    std::string strVolumeName = static_cast<const char*>(strName);
    std::string strDiskDirectory;
    auto fnVolumePath = [&](int nVolume) {
        if (nVolume > 0) {
            CString strNext = strVolumeName.c_str();
            if (!MakeNextVolumeName(strNext))
                throw std::runtime_error("no name for the volume after " + strVolumeName);
            strVolumeName = static_cast<const char*>(strNext);
        }
        std::string strTarget = static_cast<const char*>(strDirectory);
        if (options.m_bDiskDirectories) {
            char szDisk[16];
            std::snprintf(szDisk, sizeof szDisk, "DISK%02d", options.m_nFirstDisk + nVolume);
            strTarget = JoinPath(strTarget.empty() ? "." : strTarget, szDisk);
            std::filesystem::create_directories(strTarget);
        }
        std::string strPath = JoinPath(strTarget, strVolumeName);
        ReportProgress("writing " + strPath);
        return strPath;
    };
    std::vector<std::string> volumes = builder.Write(cuts, fnVolumePath);
    ReportProgress("packed " + std::to_string(options.m_requests.size()) + " files into " +
                   std::to_string(volumes.size()) + " volume(s)");
    return 0;
}
