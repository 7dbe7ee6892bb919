#pragma once

namespace kalvanor {

// Asks the C library to keep freed heap memory for reuse instead of returning it to the system.
// Call it first thing in main, before the window and the GL driver exist.
void keep_heap_memory();

} // namespace kalvanor
