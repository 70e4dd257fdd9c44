#include <cstdlib>
#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "Command.h"

namespace {

const std::string kProgram = CORVEX_PROGRAM;

bool HaveXvfb() { return std::system("command -v xvfb-run >/dev/null 2>&1") == 0; }

std::string InXvfb(const std::string& arguments) {
    // Leaks inside the X and GL drivers are not ours to find.
    return "ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s '-screen 0 1024x768x24' " + kProgram + " --no-save " +
           arguments;
}

}  // namespace

TEST(Screenshot, ShowsTheBattleAtTheWindowsSize) {
    if (!HaveXvfb()) GTEST_SKIP() << "xvfb-run is not installed";
    const std::filesystem::path png = std::filesystem::temp_directory_path() / "corvex-window-test.png";
    std::filesystem::remove(png);
    const CommandOutcome run = RunCommand(InXvfb("--screenshot " + png.string() + " --time 2 --width 320 --height 200"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &width, &height, &channels, 3);
    ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    std::set<int> colours;
    for (int i = 0; i < width * height; ++i)
        colours.insert(pixels[3 * i] << 16 | pixels[3 * i + 1] << 8 | pixels[3 * i + 2]);
    stbi_image_free(pixels);
    // Sky, ground, shading and the HUD's and scoreboard's colours.
    EXPECT_GT(colours.size(), 5u);
    std::filesystem::remove(png);
}

TEST(Screenshot, BadRequestsSayWhatIsWrong) {
    if (!HaveXvfb()) GTEST_SKIP() << "xvfb-run is not installed";
    const struct {
        std::string arguments, message;
    } cases[] = {
        {"--screenshot /nonexistent-dir/frame.png --time 0.1", "cannot write the screenshot /nonexistent-dir/frame.png"},
        {"--screenshot /tmp/x.png --width 0", "--width"},
        {"--window --headless", "excludes"},
    };
    for (const auto& c : cases) {
        const CommandOutcome run = RunCommand(InXvfb(c.arguments));
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << "\n" << run.output;
    }
}

TEST(Screenshot, NoDisplayIsAClearError) {
    const CommandOutcome run =
        RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 " + kProgram + " --no-save --window --time 1");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("cannot open"), std::string::npos) << run.output;
}
