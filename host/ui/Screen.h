// What the host shows besides the world: on-screen annotations and the two MFDs.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "HostTypes.h"

namespace host {

struct Annotation {
    bool exclusive = false;
    double size = 1;
    VECTOR3 colour{1, 1, 1};                       // red, green, blue, 0..1
    double left = 0, top = 0, right = 1, bottom = 1;  // fractions of the window
    std::string text;
};

struct MfdMode {
    std::string name;
    MFDMODESPEC record{};  // as registered, its name pointing at ours
};

struct Mfd {
    int mode = 0;             // 0: no mode
    std::vector<DWORD> keys;  // every key a mode received, in order
};

struct Screen {
    std::vector<Annotation> annotations;  // in creation order; a note's handle is its index plus one
    std::deque<MfdMode> modes;            // a mode's id is its index plus one; never moved
    std::array<Mfd, 2> mfds;              // 0 left, 1 right

    Annotation* FindAnnotation(NOTEHANDLE note);
    // 0 for a name nobody registered.
    int ModeId(const char* name) const;
    bool IsMode(int id) const { return id > 0 && id <= static_cast<int>(modes.size()); }
    Mfd* FindMfd(int mfd) { return mfd >= 0 && mfd < static_cast<int>(mfds.size()) ? &mfds[mfd] : nullptr; }
};

}  // namespace host
