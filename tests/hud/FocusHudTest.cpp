// The host's HUD frame for the focus vessel, and its own standard HUD.
#include <string>
#include <vector>

#include "HostFixture.h"
#include "hud/FocusHud.h"

namespace {

using host::HudLine;
using host::HudText;

const HUDPAINTSPEC kSpec{1024, 768, 500, 380, 10, 20};

class FocusHudTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.reportError = [this](const std::string& m) { errors.push_back(m); };
    }
    std::vector<std::string> errors;
};

TEST_F(FocusHudTest, StandardHudMarksTheCentreAndReadsOutTheAttitude) {
    const OBJHANDLE probe = Create("probe", "Probe", StatusAt(1000));
    oapiSetFocusObject(probe);

    const host::HudFrame frame = host::DrawFocusHud(host, kSpec, 1);

    // The host's centre, not the HUD's middle.
    EXPECT_EQ(frame.lines, (std::vector<HudLine>{{490, 380, 510, 380}, {500, 370, 500, 390}}));
    EXPECT_TRUE(frame.ellipses.empty());
    ASSERT_EQ(frame.texts.size(), 3u);
    EXPECT_EQ(frame.texts[0].text, "HDG 000");
    EXPECT_EQ(frame.texts[1].text, "PITCH +0");
    EXPECT_EQ(frame.texts[2].text, "ALT 1000 m");
    EXPECT_LT(frame.texts[0].y, frame.texts[1].y);
    EXPECT_LT(frame.texts[1].y, frame.texts[2].y);
    EXPECT_TRUE(errors.empty());
}

TEST_F(FocusHudTest, NoFocusVesselDrawsNothing) {
    const OBJHANDLE probe = Create("probe", "Probe", StatusAt(1000));
    oapiSetFocusObject(probe);
    oapiDeleteVessel(probe);
    host.Step();

    const host::HudFrame frame = host::DrawFocusHud(host, kSpec, 1);
    EXPECT_TRUE(frame.lines.empty());
    EXPECT_TRUE(frame.texts.empty());
    EXPECT_TRUE(errors.empty());
}

struct BadSpec {
    const char* what;
    HUDPAINTSPEC spec;
    const char* problem;
};

class BadSpecTest : public FocusHudTest, public ::testing::WithParamInterface<BadSpec> {};

TEST_P(BadSpecTest, IsReportedAndDrawsNothing) {
    const OBJHANDLE probe = Create("probe", "Probe", StatusAt(1000));
    oapiSetFocusObject(probe);

    const host::HudFrame frame = host::DrawFocusHud(host, GetParam().spec, 1);
    EXPECT_TRUE(frame.lines.empty());
    EXPECT_TRUE(frame.texts.empty());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(GetParam().problem), std::string::npos) << errors[0];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSpecTest,
    ::testing::Values(BadSpec{"NoWidth", {0, 768, 0, 384, 10, 20}, "a HUD of 0 x 768 pixels"},
                      BadSpec{"NegativeHeight", {1024, -1, 512, 0, 10, 20}, "a HUD of 1024 x -1 pixels"},
                      BadSpec{"Huge", {100000, 768, 512, 384, 10, 20}, "width and height must be 1 to 16384"},
                      BadSpec{"CentreOff", {1024, 768, 2000, 384, 10, 20}, "centre at (2000, 384) outside"},
                      BadSpec{"NoScale", {1024, 768, 512, 384, 0, 20}, "scale of 0 pixels per degree"},
                      BadSpec{"ScaleNaN", {1024, 768, 512, 384, std::nan(""), 20}, "scale of nan"},
                      BadSpec{"NegativeMarker", {1024, 768, 512, 384, 10, -3}, "marker size of -3"}),
    [](const ::testing::TestParamInfo<BadSpec>& info) { return std::string(info.param.what); });

}  // namespace
