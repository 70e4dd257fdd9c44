// oapi functions for on-screen annotations and the MFDs.
#include "HostAPI.h"
#include "api_impl/Handles.h"
#include "core/Host.h"

namespace {

host::Host& H() { return host::Host::Instance(); }

}  // namespace

NOTEHANDLE oapiCreateAnnotation(bool exclusive, double size, const VECTOR3& col) {
    host::Annotation note;
    note.exclusive = exclusive;
    note.size = size;
    note.colour = col;
    H().screen.annotations.push_back(note);
    return host::IndexHandle<NOTEHANDLE>(H().screen.annotations.size() - 1);
}

void oapiAnnotationSetPos(NOTEHANDLE hNote, double x1, double y1, double x2, double y2) {
    if (host::Annotation* note = H().screen.FindAnnotation(hNote)) {
        note->left = x1;
        note->top = y1;
        note->right = x2;
        note->bottom = y2;
    }
}

void oapiAnnotationSetText(NOTEHANDLE hNote, const char* text) {
    host::Annotation* note = H().screen.FindAnnotation(hNote);
    if (!note) return;
    const std::string next = text ? text : "";
    // Modules rewrite their texts freely; only a change is news.
    if (note->text == next) return;
    note->text = next;
    host::Event e{host::Event::Kind::AnnotationText, H().clock.Now(), nullptr, H().inCallbackOf, next, {}, 0};
    e.value = static_cast<int>(host::HandleIndex(hNote));
    H().events.Emit(e);
}

int oapiRegisterMFDMode(const MFDMODESPEC& mode) {
    host::Screen& screen = H().screen;
    if (!mode.name || !mode.name[0]) return 0;
    if (const int id = screen.ModeId(mode.name)) return id;
    host::MfdMode& kept = screen.modes.emplace_back();
    kept.name = mode.name;
    kept.record = mode;
    kept.record.name = kept.name.c_str();
    return static_cast<int>(screen.modes.size());
}

int oapiGetMFDModeSpec(const char* name, MFDMODESPEC** record) {
    host::Screen& screen = H().screen;
    const int id = screen.ModeId(name);
    if (record) *record = id ? &screen.modes[id - 1].record : nullptr;
    return id;
}

int oapiGetMFDMode(int mfd) {
    const host::Mfd* m = H().screen.FindMfd(mfd);
    return m ? m->mode : 0;
}

int oapiOpenMFD(int mode, int mfd) {
    host::Mfd* m = H().screen.FindMfd(mfd);
    if (!m) return 0;
    if (mode == 0 || H().screen.IsMode(mode)) m->mode = mode;
    return m->mode;
}

int oapiSendMFDKey(int mfd, DWORD key) {
    host::Mfd* m = H().screen.FindMfd(mfd);
    if (!m || m->mode == 0) return 0;
    m->keys.push_back(key);
    return 1;
}
