#pragma once

// Tells the enemy factory how to build each kind (the regular kinds and the bosses) a room's spawners name.
// Called once by the game's start-up wiring (a self-registering object in the
// library would be dropped by the linker).
void registerEnemyKinds();
