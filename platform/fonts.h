// The game's font descriptions as Qt fonts, on the free stand-ins registered at start-up.
#pragma once

#include <QFont>

#include "platform/controls.h"

namespace platform {

// The font a label or text box with this description draws in.
QFont qfont(const FontDesc& f);

// Whether a face of this name is installed, whatever the case and the foundry.
bool face_installed(const QString& face);

}  // namespace platform
