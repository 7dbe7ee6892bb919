#pragma once

class world;

// One frame of the game state: elapsed time, rising water, phase 0 -> 1 -> 2. dt in seconds.
void update_state(world& w, float dt);
