// The registry as a user of the machine sees it: the output of the system's
// own "reg query" (Wine's reg.exe, the program behind "wine64 reg").
#pragma once

#include <string>

// The output of reg.exe query with these arguments, or "" when it failed.
std::string RegQuery(const std::string& strArguments);
