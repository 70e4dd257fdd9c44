#include "Window.h"

#include <chrono>
#include <cmath>

#include <SDL2/SDL.h>

#include "Camera.h"
#include "FlightControls.h"
#include "Gl.h"
#include "Overlay.h"
#include "Particles.h"
#include "Scene.h"
#include "Screenshot.h"
#include "core/Host.h"
#include "core/ViewControl.h"
#include "hud/FocusHud.h"

namespace host {

namespace {

// A slow frame catches up by at most this many steps, then lets real time go, so the game slows
// down rather than freezing on a slow machine.
constexpr int kMaxStepsPerFrame = 16;
constexpr int kHudMode = 1;

struct SdlWindow {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;

    SdlWindow(int width, int height, bool shown) {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw Error(std::string("cannot open a window: ") + SDL_GetError());
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        window = SDL_CreateWindow("Corvex air combat", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_OPENGL | (shown ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_HIDDEN));
        if (window) context = SDL_GL_CreateContext(window);
        if (!context) {
            const std::string why = SDL_GetError();
            Close();
            throw Error("cannot open an OpenGL window: " + why);
        }
    }
    ~SdlWindow() { Close(); }
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    void Close() {
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        context = nullptr;
        window = nullptr;
        SDL_Quit();
    }
};

struct Frame {
    Eye eye;
    Particles particles;
};

void Render(Host& host, Frame& frame, int width, int height) {
    glViewport(0, 0, width, height);
    glClearColor(0.45f, 0.65f, 0.90f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    frame.eye = EyeOf(host, frame.eye);
    const double pixelsPerRadian = 0.5 * height / std::tan(0.5 * kFieldOfViewDeg * M_PI / 180);
    SetUpCamera(frame.eye, width, height);
    DrawGround(frame.eye);
    DrawVessels(host, frame.eye, host.view.cameraMode == 0 ? host.view.focus : nullptr);
    UpdateParticles(frame.particles, host);
    DrawParticles(frame.particles, frame.eye, host.clock.Now(), pixelsPerRadian);

    SetUpScreenPixels(width, height);
    const HUDPAINTSPEC spec{width, height, width / 2, height / 2, pixelsPerRadian * M_PI / 180, height / 48};
    DrawHud(DrawFocusHud(host, spec, kHudMode));
    DrawAnnotations(host, width, height);
}

void ToggleView(Host& host) {
    const OBJHANDLE target = host.view.cameraTarget ? host.view.cameraTarget : host.view.focus;
    AttachCamera(host, target, host.view.cameraMode == 0 ? 1 : 0);
}

// Sends the key on to the focus vessel unless the window keeps it; false once the player quits.
bool HandleKey(Host& host, const SDL_KeyboardEvent& key, FlightControls& controls, bool& paused) {
    if (key.repeat) return true;
    const bool down = key.type == SDL_KEYDOWN;
    const WindowControl control = WindowControlOf(key.keysym.scancode);
    if (control == WindowControl::Quit) return !down;
    if (control == WindowControl::Pause) {
        if (down) paused = !paused;
        return true;
    }
    if (key.keysym.scancode == SDL_SCANCODE_F1) {
        if (down) ToggleView(host);
        return true;
    }
    if (control != WindowControl::None) {
        controls.Press(control, down);
        return true;
    }
    if (const DWORD code = HostKeyOf(key.keysym.scancode)) host.keyboard.Push({host.clock.Now(), code, down});
    return true;
}

bool Due(const Host& host, double endTime) { return endTime >= 0 && host.clock.Now() >= endTime; }

WindowResult TakeScreenshot(Host& host, const WindowOptions& options) {
    SdlWindow window(options.width, options.height, false);
    WindowResult result;
    Frame frame;
    // Puffs are gathered over the last seconds, so the trails show as they would have live.
    while (!Due(host, options.endTime)) {
        host.Step();
        ++result.steps;
        if (options.endTime - host.clock.Now() < 8) UpdateParticles(frame.particles, host);
    }
    Render(host, frame, options.width, options.height);
    SaveScreenshot(options.screenshot, options.width, options.height);
    return result;
}

}  // namespace

WindowResult PlayInWindow(Host& host, const WindowOptions& options) {
    if (options.width < 16 || options.height < 16 || options.width > 16384 || options.height > 16384)
        throw Error("a window of " + std::to_string(options.width) + " x " + std::to_string(options.height) +
                    " pixels: each side must be 16 to 16384");
    using Clock = std::chrono::steady_clock;
    const auto began = Clock::now();
    if (!options.screenshot.empty()) {
        WindowResult result = TakeScreenshot(host, options);
        result.wallSeconds = std::chrono::duration<double>(Clock::now() - began).count();
        return result;
    }

    SdlWindow window(options.width, options.height, true);
    if (SDL_GL_SetSwapInterval(1) != 0) SDL_GL_SetSwapInterval(0);
    WindowResult result;
    Frame frame;
    FlightControls controls;
    bool paused = false, playing = true;
    double behind = 0;  // real time the simulation owes, s
    auto last = Clock::now();
    while (playing && !Due(host, options.endTime) && !(options.stopRequested && options.stopRequested())) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) playing = false;
            if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
                playing = HandleKey(host, event.key, controls, paused) && playing;
        }
        const auto now = Clock::now();
        behind += paused ? 0 : std::chrono::duration<double>(now - last).count();
        last = now;
        for (int i = 0; i < kMaxStepsPerFrame && behind >= host.clock.step && !Due(host, options.endTime); ++i) {
            ApplyFlightControls(host, controls, host.clock.step);
            host.Step();
            ++result.steps;
            behind -= host.clock.step;
        }
        if (behind > host.clock.step * kMaxStepsPerFrame) behind = 0;
        int width = options.width, height = options.height;
        SDL_GL_GetDrawableSize(window.window, &width, &height);
        Render(host, frame, width, height);
        SDL_GL_SwapWindow(window.window);
        // Without vertical sync, a frame would otherwise spin a core for nothing.
        if (SDL_GL_GetSwapInterval() == 0) SDL_Delay(1);
    }
    result.wallSeconds = std::chrono::duration<double>(Clock::now() - began).count();
    return result;
}

}  // namespace host
