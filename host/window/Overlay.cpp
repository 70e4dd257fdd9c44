#include "Overlay.h"

#include <algorithm>
#include <cmath>

#include "Gl.h"
#include "Text.h"
#include "core/Host.h"
#include "hud/HudFrame.h"

namespace host {

namespace {

constexpr float kHudTextScale = 1.5f;
// An annotation of size 1 is this many window heights tall.
constexpr float kAnnotationLine = 1.0f / 40;

}  // namespace

void SetUpScreenPixels(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
}

void DrawHud(const HudFrame& frame) {
    glColor3f(0.2f, 1.0f, 0.3f);
    glLineWidth(1.5f);
    glBegin(GL_LINES);
    for (const HudLine& l : frame.lines) {
        glVertex2f(static_cast<float>(l.x0) + 0.5f, static_cast<float>(l.y0) + 0.5f);
        glVertex2f(static_cast<float>(l.x1) + 0.5f, static_cast<float>(l.y1) + 0.5f);
    }
    glEnd();
    constexpr int kSegments = 48;
    for (const HudEllipse& e : frame.ellipses) {
        const float cx = 0.5f * static_cast<float>(e.left + e.right), cy = 0.5f * static_cast<float>(e.top + e.bottom);
        const float rx = 0.5f * static_cast<float>(e.right - e.left), ry = 0.5f * static_cast<float>(e.bottom - e.top);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < kSegments; ++i) {
            const float a = 2 * static_cast<float>(M_PI) * static_cast<float>(i) / kSegments;
            glVertex2f(cx + rx * std::cos(a), cy + ry * std::sin(a));
        }
        glEnd();
    }
    for (const HudText& t : frame.texts)
        DrawText(static_cast<float>(t.x), static_cast<float>(t.y), kHudTextScale, t.text);
}

void DrawAnnotations(const Host& host, int width, int height) {
    for (const Annotation& note : host.screen.annotations) {
        if (note.text.empty()) continue;
        const float left = static_cast<float>(note.left * width), top = static_cast<float>(note.top * height);
        const float boxWidth = static_cast<float>((note.right - note.left) * width);
        float scale = static_cast<float>(note.size) * kAnnotationLine * static_cast<float>(height) / kTextCapHeight;
        const float textWidth = TextWidth(note.text);
        if (boxWidth > 0 && textWidth * scale > boxWidth) scale = boxWidth / textWidth;
        if (!(scale > 0)) continue;
        glColor3d(note.colour.x, note.colour.y, note.colour.z);
        DrawText(left, top, scale, note.text);
    }
}

}  // namespace host
