// The install profile (or, on the uninstall road, the install log) is missing
// or does not describe a usable set of destinations.
#pragma once

#include "CXException.h"

DECLARE_X_EXCEPTION(CInstallProfileException)

// The codes it is raised with; one message pair covers both.
enum
{
    PROFILE_NO_DESTINATIONS = 0,          // "destinations" missing or without keys
    PROFILE_UNRESOLVED_DESTINATIONS = 1   // a parent missing, without a path, or a cycle
};
