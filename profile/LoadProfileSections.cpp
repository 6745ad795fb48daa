#include "LoadProfileSections.h"

void LoadProfileSections(const CFilePath& file, CDestinationMap& destinations, CGroupMap& groups,
                         CTargetMap& targets, CDisketteArray& diskettes,
                         const std::function<void()>& fnLoadFileList,
                         const std::function<void()>& fnAfterEachLoad)
{
    destinations.Load(file);
    fnAfterEachLoad();
    groups.Load(file);
    fnAfterEachLoad();
    targets.Load(file);
    fnAfterEachLoad();
    fnLoadFileList();
    fnAfterEachLoad();
    diskettes.Load(file);
    fnAfterEachLoad();
}
