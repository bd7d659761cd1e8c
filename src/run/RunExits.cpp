#include "run/RunExits.h"

namespace
{
RunExits* installedExits = nullptr;
}

RunExits* RunExits::installed()
{
    return installedExits;
}

void RunExits::install(RunExits* exits)
{
    installedExits = exits;
}
