#include "view/ToolWindowOpacity.h"

#include <algorithm>

namespace kp {

int ClampDialogDensity(int percent)
{
    return std::clamp(percent, kMinDialogDensity, kMaxDialogDensity);
}

double ToolWindowOpacity(bool translucent, int densityPercent)
{
    return translucent ? ClampDialogDensity(densityPercent) / 100.0 : 1.0;
}

} // namespace kp
