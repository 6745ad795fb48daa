// mkmedia: the medium builder. Packs files into multi-file archives, lists,
// tests and extracts them, and builds a complete distribution medium.
#include "ArchiveCommands.h"
#include "CMediumBuilder.h"
#include "PackCommand.h"
#include "ToolSupport.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: mkmedia COMMAND ...\n"
    "\n"
    "  pack [--volume-size N [--disk-dirs] [--first-disk N]] ARCHIVE [FILE OPTIONS] FILE ...\n"
    "      Packs the files into ARCHIVE (for example DATA.Z01). With --volume-size\n"
    "      the archive is split into volumes of at most N bytes (DATA.Z01,\n"
    "      DATA.Z02 ...); --disk-dirs puts volume n into the directory DISKnn\n"
    "      beside ARCHIVE. File options apply to the files after them:\n"
    "        --method deflate|stored   deflate (default; stored where deflate\n"
    "                                  does not shrink the file) or stored\n"
    "        --dest ID                 destination id (default 0; -1 not installed,\n"
    "                                  -2 Windows, -3 System directory)\n"
    "        --attributes N|file       attribute bits (default: from the file)\n"
    "        --time SECONDS|file       last-write time, seconds since 1970 UTC\n"
    "        --note TEXT               note kept with the member (39 characters)\n"
    "        --name NAME               member name of the next file only\n"
    "  list ARCHIVE              Lists the members of every volume.\n"
    "  test ARCHIVE              Decodes and checks every member.\n"
    "  extract ARCHIVE DIR       Extracts every member into DIR (final names only).\n"
    "  build MANIFEST OUTDIR     Builds a distribution medium (see the README).\n"
    "\n"
    "  --quiet (before the command's arguments) turns progress lines off.\n"
    "Exit status: 0 success, 1 damaged archive or failed build, 2 bad usage.\n";

int Run(const std::string& strCommand, const std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    for (const std::string& strArg : args) {
        if (strArg == "--quiet" && strCommand != "pack")
            SetQuiet(true);
        else
            rest.push_back(strArg);
    }
    if (strCommand == "pack")
        return PackCommand(rest);
    if (strCommand == "list" && rest.size() == 1)
        return ListArchive(rest[0]);
    if (strCommand == "test" && rest.size() == 1)
        return TestArchive(rest[0]);
    if (strCommand == "extract" && rest.size() == 2)
        return ExtractArchive(rest[0], rest[1]);
    if (strCommand == "build" && rest.size() == 2)
        return BuildMedium(rest[0], rest[1]);
    std::fprintf(stderr, "%s", kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::printf("%s", kUsage);
        return argc < 2 ? 2 : 0;
    }
    try {
        return Run(argv[1], std::vector<std::string>(argv + 2, argv + argc));
    } catch (CException* e) {
        CExceptionGuard guard(e);
        std::fprintf(stderr, "mkmedia: %s\n", DescribeException(e).c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkmedia: %s\n", e.what());
    }
    return 1;
}
