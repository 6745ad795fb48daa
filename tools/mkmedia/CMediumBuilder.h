// The medium builder: checks a manifest, packs its archives, lays the files
// out flat or over diskette directories (DISK01, DISK02 ...), writes the
// install profile (named like the setup program, ".ini") and copies the
// setup program in; then reads everything back and checks it.
#pragma once

#include <string>

// The program's exit status; a refused manifest or a failed check prints a
// message that names the problem.
int BuildMedium(const std::string& strManifest, const std::string& strOutDir);
