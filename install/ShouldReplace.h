// The replace rule: should a new file take the place of an existing copy?
//   - version resources win over dates: a file with a version replaces one
//     without, whatever their times, and is never replaced by one without;
//   - both with versions: only a higher version replaces;
//   - neither: only a later last-write time, in whole seconds, replaces.
// A version resource without a fixed version record counts as none.
#pragma once

#include "CFilePath.h"

BOOL ShouldReplace(const CFilePath& pathNew, const CFilePath& pathExisting);
