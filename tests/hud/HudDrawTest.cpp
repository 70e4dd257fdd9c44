// The drawing calls a module makes on the HUD's draw context, recorded by the host.
#include <memory>

#include <gtest/gtest.h>

#include "HudDraw.h"
#include "hud/HudCanvas.h"

namespace {

using host::HudCanvas;
using host::HudEllipse;
using host::HudLine;
using host::HudText;

const HUDPAINTSPEC kSpec{1024, 768, 512, 384, 10, 20};

TEST(HudDraw, RecordsLinesFromThePenAndMovesIt) {
    HudCanvas canvas(kSpec);
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(canvas.Hdc(), 10, 20, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    EXPECT_TRUE(LineTo(canvas.Hdc(), 30, 40));
    EXPECT_TRUE(LineTo(canvas.Hdc(), 50, -60));
    EXPECT_TRUE(MoveToEx(canvas.Hdc(), 1, 2, &previous));
    EXPECT_EQ(previous.x, 50);
    EXPECT_EQ(previous.y, -60);
    EXPECT_TRUE(Ellipse(canvas.Hdc(), 5, 6, 35, 36));

    EXPECT_EQ(canvas.Frame().lines, (std::vector<HudLine>{{10, 20, 30, 40}, {30, 40, 50, -60}}));
    EXPECT_EQ(canvas.Frame().ellipses, (std::vector<HudEllipse>{{5, 6, 35, 36}}));
    EXPECT_EQ(canvas.Frame().spec.W, 1024);
}

struct TextCase {
    const char* what;
    const char* text;
    int length;
    bool accepted;
    const char* recorded;  // null: nothing recorded
};

class TextOutTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextOutTest, KeepsToTheTextGiven) {
    const TextCase& c = GetParam();
    HudCanvas canvas(kSpec);
    EXPECT_EQ(TextOutA(canvas.Hdc(), 7, 8, c.text, c.length), c.accepted);
    if (c.recorded)
        EXPECT_EQ(canvas.Frame().texts, (std::vector<HudText>{{7, 8, c.recorded}}));
    else
        EXPECT_TRUE(canvas.Frame().texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextOutTest,
                         ::testing::Values(TextCase{"whole", "BANDIT", 6, true, "BANDIT"},
                                           TextCase{"part", "BANDIT", 3, true, "BAN"},
                                           TextCase{"length past the end", "HI", 50, true, "HI"},
                                           TextCase{"empty", "HI", 0, true, nullptr},
                                           TextCase{"negative length", "HI", -1, false, nullptr},
                                           TextCase{"null text", nullptr, 4, false, nullptr},
                                           TextCase{"null text of no length", nullptr, 0, true, nullptr}),
                         [](const ::testing::TestParamInfo<TextCase>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p) name += *p == ' ' ? '_' : *p;
                             return name;
                         });

void ExpectRefused(HDC hdc) {
    EXPECT_FALSE(MoveToEx(hdc, 1, 1, nullptr));
    EXPECT_FALSE(LineTo(hdc, 2, 2));
    EXPECT_FALSE(Ellipse(hdc, 0, 0, 4, 4));
    EXPECT_FALSE(TextOutA(hdc, 0, 0, "X", 1));
}

TEST(HudDraw, DrawsOnlyOnTheFrameBeingDrawn) {
    HDC ended;
    {
        HudCanvas canvas(kSpec);
        ended = canvas.Hdc();
    }
    ExpectRefused(ended);

    auto outer = std::make_unique<HudCanvas>(kSpec);
    HudCanvas inner(kSpec);
    for (HDC hdc : {HDC{}, outer->Hdc(), reinterpret_cast<HDC>(0x1234)}) ExpectRefused(hdc);
    for (const HudCanvas* canvas : {outer.get(), &inner}) {
        EXPECT_TRUE(canvas->Frame().lines.empty());
        EXPECT_TRUE(canvas->Frame().ellipses.empty());
        EXPECT_TRUE(canvas->Frame().texts.empty());
    }
}

}  // namespace
