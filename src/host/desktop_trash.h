#pragma once

namespace nakkas {

// Moves the file or folder at the native path to the desktop's trash, restorably. The trash is
// the user's home trash for something on the home's volume, else that volume's own top-level
// trash, as the desktop's trash rules define them; where neither can take it, nothing moves and
// the answer is false. Ends in bounded time.
bool moveToDesktopTrash(const char* nativePath);

}  // namespace nakkas
