#include "Text.h"

#include <vector>

#include <stb/stb_easy_font.h>

#include "Gl.h"

namespace host {

float TextWidth(const std::string& text) {
    std::string copy = text;
    return static_cast<float>(stb_easy_font_width(copy.data()));
}

void DrawText(float x, float y, float scale, const std::string& text) {
    // About 270 bytes of quads a character; the font stops at the end of the buffer.
    std::vector<char> quads(300 * (text.size() + 1));
    std::string copy = text;
    const int count = stb_easy_font_print(0, 0, copy.data(), nullptr, quads.data(), static_cast<int>(quads.size()));
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(scale, scale, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 16, quads.data());
    glDrawArrays(GL_QUADS, 0, count * 4);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
}

}  // namespace host
