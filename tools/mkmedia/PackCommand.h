// mkmedia pack: files -> an archive, optionally over several volumes.
#pragma once

#include <string>
#include <vector>

int PackCommand(const std::vector<std::string>& args);
