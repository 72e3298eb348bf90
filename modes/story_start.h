// The Story start screen with its characters.
#pragma once

namespace modes {

void start_story();

}  // namespace modes
