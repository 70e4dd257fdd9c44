// The frame just drawn, saved as a PNG.
#pragma once

#include <string>

namespace host {

// Throws Error naming the file if it cannot be written.
void SaveScreenshot(const std::string& path, int width, int height);

}  // namespace host
