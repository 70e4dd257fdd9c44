// Where the window looks from: the host's view turned into an eye and its axes.
#pragma once

#include <glm/glm.hpp>

namespace host {

class Host;

// Axes in the global frame; right, up and forward keep the vessel frame's handedness, so a
// vessel's right side shows on the right of the screen.
struct Eye {
    glm::dvec3 pos{0};
    glm::dvec3 right{1, 0, 0}, up{0, 1, 0}, forward{0, 0, 1};
};

// The external camera's distance behind its target at a camera distance of 1, in vessel sizes.
constexpr double kExternalSizes = 4;

// Mode 0 sits at the focus vessel's camera offset looking along its nose; mode 1 stays behind and
// above the camera target (the focus vessel if none) at a distance that scales with the host's
// camera distance. With no vessel to look from, the eye stays where it was.
Eye EyeOf(const Host& host, const Eye& previous);

}  // namespace host
