#include <gtest/gtest.h>

#include <SDL2/SDL_keyboard.h>

#include "KeyCodes.h"
#include "window/KeyMap.h"

using host::WindowControl;

TEST(WindowKeys, KeysReachTheVesselAsHostCodes) {
    const std::pair<SDL_Scancode, DWORD> cases[] = {
        {SDL_SCANCODE_SPACE, OAPI_KEY_SPACE}, {SDL_SCANCODE_Q, OAPI_KEY_Q}, {SDL_SCANCODE_N, OAPI_KEY_N},
        {SDL_SCANCODE_M, OAPI_KEY_M},         {SDL_SCANCODE_A, OAPI_KEY_A}, {SDL_SCANCODE_1, OAPI_KEY_1},
        {SDL_SCANCODE_0, OAPI_KEY_0},         {SDL_SCANCODE_F10, OAPI_KEY_F10}, {SDL_SCANCODE_F12, OAPI_KEY_F12},
        {SDL_SCANCODE_KP_5, 0},               {SDL_SCANCODE_UNKNOWN, 0},
    };
    for (const auto& [scancode, code] : cases) EXPECT_EQ(host::HostKeyOf(scancode), code) << SDL_GetScancodeName(scancode);
}

TEST(WindowKeys, FlightControlsAndTheGameKeysNeverShareAKey) {
    const std::pair<SDL_Scancode, WindowControl> cases[] = {
        {SDL_SCANCODE_UP, WindowControl::PitchDown},    {SDL_SCANCODE_KP_2, WindowControl::PitchUp},
        {SDL_SCANCODE_LEFT, WindowControl::BankLeft},   {SDL_SCANCODE_KP_6, WindowControl::BankRight},
        {SDL_SCANCODE_Z, WindowControl::YawLeft},       {SDL_SCANCODE_DELETE, WindowControl::YawRight},
        {SDL_SCANCODE_PAGEUP, WindowControl::ThrottleUp}, {SDL_SCANCODE_KP_MINUS, WindowControl::ThrottleDown},
        {SDL_SCANCODE_P, WindowControl::Pause},         {SDL_SCANCODE_ESCAPE, WindowControl::Quit},
        {SDL_SCANCODE_SPACE, WindowControl::None},      {SDL_SCANCODE_Q, WindowControl::None},
        {SDL_SCANCODE_N, WindowControl::None},          {SDL_SCANCODE_M, WindowControl::None},
    };
    for (const auto& [scancode, control] : cases)
        EXPECT_EQ(host::WindowControlOf(scancode), control) << SDL_GetScancodeName(scancode);
}
