#include "Screen.h"

#include "api_impl/Handles.h"

namespace host {

Annotation* Screen::FindAnnotation(NOTEHANDLE note) {
    return ItemOf(annotations, note);
}

int Screen::ModeId(const char* name) const {
    if (!name) return 0;
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].name == name) return static_cast<int>(i + 1);
    return 0;
}

}  // namespace host
