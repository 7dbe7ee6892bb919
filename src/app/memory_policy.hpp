#pragma once

namespace kalvanor {

// Asks the C library to keep freed heap memory for reuse instead of returning it to the system.
// Call it first thing in main, before the window and the GL driver exist.
// While the game starts, the heap's new pages come as huge pages where the system has them.
void keep_heap_memory();

// Ends the start's huge pages: call it once the first frame is drawn. Later calls do nothing.
void settle_heap_memory();

} // namespace kalvanor
