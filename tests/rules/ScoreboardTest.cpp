// The game the fighter module starts when it is loaded: the scoreboard on screen.
#include "HostFixture.h"

namespace {

class ScoreboardTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.events.Subscribe([this](const host::Event& e) {
            if (e.kind == host::Event::Kind::AnnotationText) texts.push_back(e.name);
        });
    }
    std::vector<std::string> texts;
};

TEST_F(ScoreboardTest, LoadingTheModuleStartsAGame) {
    Create("Player", "Corvex", StatusAt(1000));
    const auto& notes = host.screen.annotations;
    ASSERT_EQ(notes.size(), 3u);
    struct Expected {
        const char* what;
        double size;
        VECTOR3 colour;
        double left, top, right, bottom;
        const char* text;
    };
    const Expected expected[] = {
        {"frags, red", 2, {1, 0, 0}, 0.75, 0.08, 1.0, 0.15, "FRAGS: 0"},
        {"lives, green", 2, {0.2, 0.7, 0.2}, 0.75, 0.15, 1.0, 0.3, "LIVES: 4"},
        {"message, cyan", 5, {0.1, 0.8, 0.8}, 0.3, 0.3, 0.8, 1.0, ""},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const host::Annotation& n = notes[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(e.what);
        EXPECT_TRUE(n.exclusive);
        EXPECT_EQ(n.size, e.size);
        EXPECT_EQ(n.colour.x, e.colour.x);
        EXPECT_EQ(n.colour.y, e.colour.y);
        EXPECT_EQ(n.colour.z, e.colour.z);
        EXPECT_EQ(n.left, e.left);
        EXPECT_EQ(n.top, e.top);
        EXPECT_EQ(n.right, e.right);
        EXPECT_EQ(n.bottom, e.bottom);
        EXPECT_EQ(n.text, e.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"LIVES: 4", "FRAGS: 0"}));
}

TEST_F(ScoreboardTest, AllFightersShareOneScoreboard) {
    for (int i = 0; i < 20; ++i) Create("F" + std::to_string(i), "Corvex", StatusAt(1000, 50.0 * i));
    EXPECT_EQ(host.screen.annotations.size(), 3u);
    EXPECT_EQ(texts.size(), 2u);
}

}  // namespace
