#include "GameState.h"

#include <cstdio>

int lives = 0;
int frags = 0;
NOTEHANDLE fragsNote = nullptr;
NOTEHANDLE livesNote = nullptr;
NOTEHANDLE messageNote = nullptr;
int cannonMfdMode = 0;
int cannonShotCount = 0;

void UpdateScoreboard() {
    char text[100];
    std::snprintf(text, sizeof text, "LIVES: %i", lives);
    oapiAnnotationSetText(livesNote, text);
    std::snprintf(text, sizeof text, "FRAGS: %i", frags);
    oapiAnnotationSetText(fragsNote, text);
}
