// The texts of the state and pane words for logs and test messages.
#include "core/state_words.h"

#include <ostream>

namespace core {

std::ostream& operator<<(std::ostream& out, StateWord w) { return out << '"' << word(w) << '"'; }
std::ostream& operator<<(std::ostream& out, PaneWord w) { return out << '"' << word(w) << '"'; }

std::ostream& operator<<(std::ostream& out, RoundResult r) {
    switch (r) {
        case RoundResult::None: return out << "none yet";
        case RoundResult::LostOnTime: return out << "lost on time";
        case RoundResult::Won: return out << "won";
    }
    return out << static_cast<int>(r);
}

}  // namespace core
