#pragma once
// The small pictures beside the status bar's model and function texts,
// drawn in code so that they stay sharp at every screen scale.

#include "view/StatusPanes.h"

#include <QPixmap>

namespace kp {

// side: the icon's size in device-independent pixels; a null pixmap for
// StatusIcon::None.
QPixmap StatusIconPixmap(StatusIcon icon, int tint, int side, qreal devicePixelRatio);

} // namespace kp
