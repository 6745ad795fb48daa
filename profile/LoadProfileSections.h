// What the Reading page loads from the install profile (or, on the uninstall
// road, from the install log), in the order the sections depend on each
// other: destinations, groups, targets, the file list (it needs the groups),
// diskettes.
#pragma once

#include "CDestinationMap.h"
#include "CDisketteArray.h"
#include "CFilePath.h"
#include "CGroupMap.h"
#include "CTargetMap.h"

#include <functional>

// fnLoadFileList runs in the file list's place; fnAfterEachLoad after each
// of the five loads (the page pumps its window messages there). A missing
// or empty "destinations" section throws CInstallProfileException* before
// anything else is loaded.
void LoadProfileSections(const CFilePath& file, CDestinationMap& destinations, CGroupMap& groups,
                         CTargetMap& targets, CDisketteArray& diskettes,
                         const std::function<void()>& fnLoadFileList,
                         const std::function<void()>& fnAfterEachLoad);
