#include "KeyMap.h"

#include <array>
#include <utility>

#include "KeyCodes.h"

namespace host {

DWORD HostKeyOf(SDL_Scancode key) {
    // Letters in SDL's alphabetical order, digits 1..0: host codes follow the keyboard's rows.
    static constexpr std::array<DWORD, 26> letters{
        OAPI_KEY_A, OAPI_KEY_B, OAPI_KEY_C, OAPI_KEY_D, OAPI_KEY_E, OAPI_KEY_F, OAPI_KEY_G,
        OAPI_KEY_H, OAPI_KEY_I, OAPI_KEY_J, OAPI_KEY_K, OAPI_KEY_L, OAPI_KEY_M, OAPI_KEY_N,
        OAPI_KEY_O, OAPI_KEY_P, OAPI_KEY_Q, OAPI_KEY_R, OAPI_KEY_S, OAPI_KEY_T, OAPI_KEY_U,
        OAPI_KEY_V, OAPI_KEY_W, OAPI_KEY_X, OAPI_KEY_Y, OAPI_KEY_Z};
    if (key >= SDL_SCANCODE_A && key <= SDL_SCANCODE_Z) return letters[key - SDL_SCANCODE_A];
    if (key >= SDL_SCANCODE_1 && key <= SDL_SCANCODE_0) return OAPI_KEY_1 + (key - SDL_SCANCODE_1);
    if (key >= SDL_SCANCODE_F1 && key <= SDL_SCANCODE_F10) return OAPI_KEY_F1 + (key - SDL_SCANCODE_F1);
    static constexpr std::pair<SDL_Scancode, DWORD> others[] = {
        {SDL_SCANCODE_ESCAPE, OAPI_KEY_ESCAPE},     {SDL_SCANCODE_MINUS, OAPI_KEY_MINUS},
        {SDL_SCANCODE_EQUALS, OAPI_KEY_EQUALS},     {SDL_SCANCODE_BACKSPACE, OAPI_KEY_BACK},
        {SDL_SCANCODE_TAB, OAPI_KEY_TAB},           {SDL_SCANCODE_LEFTBRACKET, OAPI_KEY_LBRACKET},
        {SDL_SCANCODE_RIGHTBRACKET, OAPI_KEY_RBRACKET}, {SDL_SCANCODE_RETURN, OAPI_KEY_RETURN},
        {SDL_SCANCODE_LCTRL, OAPI_KEY_LCONTROL},    {SDL_SCANCODE_SEMICOLON, OAPI_KEY_SEMICOLON},
        {SDL_SCANCODE_APOSTROPHE, OAPI_KEY_APOSTROPHE}, {SDL_SCANCODE_GRAVE, OAPI_KEY_GRAVE},
        {SDL_SCANCODE_LSHIFT, OAPI_KEY_LSHIFT},     {SDL_SCANCODE_BACKSLASH, OAPI_KEY_BACKSLASH},
        {SDL_SCANCODE_COMMA, OAPI_KEY_COMMA},       {SDL_SCANCODE_PERIOD, OAPI_KEY_PERIOD},
        {SDL_SCANCODE_SLASH, OAPI_KEY_SLASH},       {SDL_SCANCODE_RSHIFT, OAPI_KEY_RSHIFT},
        {SDL_SCANCODE_KP_MULTIPLY, OAPI_KEY_MULTIPLY}, {SDL_SCANCODE_LALT, OAPI_KEY_LALT},
        {SDL_SCANCODE_SPACE, OAPI_KEY_SPACE},       {SDL_SCANCODE_CAPSLOCK, OAPI_KEY_CAPITAL},
        {SDL_SCANCODE_F11, OAPI_KEY_F11},           {SDL_SCANCODE_F12, OAPI_KEY_F12},
    };
    for (const auto& [scancode, code] : others)
        if (scancode == key) return code;
    return 0;
}

WindowControl WindowControlOf(SDL_Scancode key) {
    // Stick forward puts the nose down, as in every flight simulator.
    switch (key) {
        case SDL_SCANCODE_DOWN: case SDL_SCANCODE_KP_2: return WindowControl::PitchUp;
        case SDL_SCANCODE_UP: case SDL_SCANCODE_KP_8: return WindowControl::PitchDown;
        case SDL_SCANCODE_LEFT: case SDL_SCANCODE_KP_4: return WindowControl::BankLeft;
        case SDL_SCANCODE_RIGHT: case SDL_SCANCODE_KP_6: return WindowControl::BankRight;
        case SDL_SCANCODE_Z: case SDL_SCANCODE_INSERT: case SDL_SCANCODE_KP_1: return WindowControl::YawLeft;
        case SDL_SCANCODE_X: case SDL_SCANCODE_DELETE: case SDL_SCANCODE_KP_3: return WindowControl::YawRight;
        case SDL_SCANCODE_EQUALS: case SDL_SCANCODE_KP_PLUS: case SDL_SCANCODE_PAGEUP: return WindowControl::ThrottleUp;
        case SDL_SCANCODE_MINUS: case SDL_SCANCODE_KP_MINUS: case SDL_SCANCODE_PAGEDOWN: return WindowControl::ThrottleDown;
        case SDL_SCANCODE_P: return WindowControl::Pause;
        case SDL_SCANCODE_ESCAPE: return WindowControl::Quit;
        default: return WindowControl::None;
    }
}

}  // namespace host
