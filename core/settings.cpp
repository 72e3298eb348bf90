// Saved settings: read at start-up, written when the program ends.
#include "core/settings.h"

#include "platform/services.h"

namespace core {

// Nothing is saved yet: the Hall of Fame and the background are not kept between runs so far.
void save_and_quit() { platform::end_program(); }

}  // namespace core
