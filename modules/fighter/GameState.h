// The game that all fighters of the module share: the player's lives, the frags scored, the
// on-screen lines and the cannon MFD. It lasts from InitModule until the module is unloaded.
#pragma once

#include "ModuleAPI.h"

extern int lives;
extern int frags;
extern NOTEHANDLE fragsNote;
extern NOTEHANDLE livesNote;
extern NOTEHANDLE messageNote;
extern int cannonMfdMode;    // the host's id of the "NR23" MFD mode; 0 if nobody registered it
extern int cannonShotCount;  // fire commands sent to the cannon MFD, wrapping every eighth

// Writes lives and frags to their lines.
void UpdateScoreboard();
