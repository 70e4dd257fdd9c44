// The fighter module's entry points.
#include "Corvex.h"
#include "GameState.h"

namespace {

NOTEHANDLE CreateNote(double size, const VECTOR3& colour, double left, double top, double right, double bottom) {
    NOTEHANDLE note = oapiCreateAnnotation(true, size, colour);
    oapiAnnotationSetPos(note, left, top, right, bottom);
    return note;
}

}  // namespace

// Every load of the module starts a new game.
DLLCLBK void InitModule(HINSTANCE) {
    // Frags above lives at the top right; the big message below the middle.
    fragsNote = CreateNote(2, {1, 0, 0}, 0.75, 0.08, 1.0, 0.15);
    livesNote = CreateNote(2, {0.2, 0.7, 0.2}, 0.75, 0.15, 1.0, 0.3);
    messageNote = CreateNote(5, {0.1, 0.8, 0.8}, 0.3, 0.3, 0.8, 1.0);
    lives = 4;
    frags = 0;
    UpdateScoreboard();
    cannonMfdMode = oapiGetMFDModeSpec("NR23", nullptr);
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hvessel, int flightmodel) { return new Corvex(hvessel, flightmodel); }

DLLCLBK void ovcExit(VESSEL* vessel) {
    if (vessel) delete static_cast<Corvex*>(vessel);
}
