// Meshes: the game's own files, and what the host does with a missing, broken or unsafe one.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "HostFixture.h"
#include "Probe.h"
#include "assets/Mesh.h"
#include "assets/MeshLibrary.h"

namespace {

namespace fs = std::filesystem;

class MeshTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.reportError = [this](const std::string& m) { reports.push_back(m); };
    }
    void TearDown() override {
        host.reportError = nullptr;
        host.meshes.SetDirectory(host::DefaultMeshDirectory());
        if (!dir.empty()) fs::remove_all(dir.parent_path());
        HostTest::TearDown();
    }

    // Makes the mesh directory a fresh one holding these files, with room around it to show
    // that no name reaches outside.
    void UseMeshFiles(const std::map<std::string, std::string>& files) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("corvex-" + std::string(test->name()) + "-" + std::to_string(getpid())) /
              "meshes";
        fs::remove_all(dir.parent_path());
        fs::create_directories(dir);
        for (const auto& [name, text] : files) {
            fs::create_directories((dir / name).parent_path());
            std::ofstream(dir / name, std::ios::binary) << text;
        }
        host.meshes.SetDirectory(dir);
    }

    const host::MeshRef& AddMeshTo(OBJHANDLE vessel, const char* name) {
        const UINT index = oapiGetVesselInterface(vessel)->AddMesh(name);
        return Record(vessel).def.meshes.at(index);
    }

    fs::path dir;
    std::vector<std::string> reports;
};

// Every edge of a closed surface whose faces all wind the same way is met once in each direction.
bool ClosedAndConsistentlyWound(const host::Mesh& mesh) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (std::size_t t = 0; t < mesh.triangles.size(); t += 3)
        for (int k = 0; k < 3; ++k) ++edges[{mesh.triangles[t + k], mesh.triangles[t + (k + 1) % 3]}];
    for (const auto& [edge, count] : edges) {
        const auto back = edges.find({edge.second, edge.first});
        if (count != 1 || back == edges.end() || back->second != 1) return false;
    }
    return true;
}

// Positive when the faces wind counter-clockwise seen from outside.
double SignedVolume(const host::Mesh& mesh) {
    double volume = 0;
    for (std::size_t t = 0; t < mesh.triangles.size(); t += 3) {
        const glm::dvec3 a = mesh.vertices[mesh.triangles[t]], b = mesh.vertices[mesh.triangles[t + 1]],
                         c = mesh.vertices[mesh.triangles[t + 2]];
        volume += glm::dot(a, glm::cross(b, c)) / 6;
    }
    return volume;
}

TEST_F(MeshTest, GameMeshesAreClosedSolidsOfTheirSize) {
    struct Case {
        const char* name;
        double minLength, maxLength;  // along z, m
    };
    const Case cases[] = {{"ShuttlePB", 6.5, 7.5}, {"Corvex/CrashWreck1", 3, 7.5}, {"Corvex/Bullet", 0.3, 1.5}};
    OBJHANDLE probe = Create("P", "Probe", StatusAt(100));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& mesh = AddMeshTo(probe, c.name).mesh;
        ASSERT_NE(mesh, nullptr);
        ASSERT_FALSE(mesh->triangles.empty());
        for (std::uint32_t v : mesh->triangles) ASSERT_LT(v, mesh->vertices.size());
        EXPECT_TRUE(ClosedAndConsistentlyWound(*mesh));
        EXPECT_GT(SignedVolume(*mesh), 0);
        float minZ = 1e9f, maxZ = -1e9f;
        for (const glm::vec3& v : mesh->vertices) minZ = std::min(minZ, v.z), maxZ = std::max(maxZ, v.z);
        EXPECT_GE(maxZ - minZ, c.minLength);
        EXPECT_LE(maxZ - minZ, c.maxLength);
    }
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(MeshTest, FighterNoseLeadsAlongZWithItsFinUp) {
    const auto& mesh = Record(Create("F", "Corvex", StatusAt(1000))).def.meshes.at(0).mesh;
    ASSERT_NE(mesh, nullptr) << "read from the default mesh directory";
    glm::vec3 nose(0, 0, -1e9f), top(0, -1e9f, 0), bottom(0, 1e9f, 0);
    for (const glm::vec3& v : mesh->vertices) {
        if (v.z > nose.z) nose = v;
        if (v.y > top.y) top = v;
        if (v.y < bottom.y) bottom = v;
    }
    EXPECT_NEAR(nose.x, 0, 0.01);
    EXPECT_GT(nose.z, 3);
    EXPECT_LT(top.z, 0) << "the fin stands at the tail";
    EXPECT_GT(top.y, -bottom.y);
}

TEST_F(MeshTest, MissingMeshIsReportedOnceAndTheVesselStillFlies) {
    UseMeshFiles({});
    OBJHANDLE a = Create("A", "Corvex", StatusAt(1000));
    OBJHANDLE b = Create("B", "Corvex", StatusAt(1000));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find((dir / "ShuttlePB.obj").string()), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("not found"), std::string::npos) << reports[0];
    for (OBJHANDLE v : {a, b}) {
        ASSERT_EQ(Record(v).def.meshes.size(), 1u);
        EXPECT_EQ(Record(v).def.meshes[0].name, "ShuttlePB");
        EXPECT_EQ(Record(v).def.meshes[0].mesh, nullptr);
    }
    host.Step();
    EXPECT_TRUE(oapiIsVessel(a));
    EXPECT_TRUE(oapiIsVessel(b));
}

TEST_F(MeshTest, BrokenFilesNameFileLineAndProblem) {
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    std::string manyCorners = "f";
    for (int i = 0; i < 256; ++i) manyCorners += " " + std::to_string(i % 3 + 1);
    struct Case {
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {triangle + "f 1 2 9\n", ":4: face refers to a vertex that does not exist"},
        {triangle + "f 1 2 -4\n", ":4: face refers to a vertex that does not exist"},
        {"v 0 0 0\r\nv 1 0 0\r\nv 0 1 0\r\n\r\nf 3 2 1\r\nf 1 2 7\r\n", ":6: face refers"},
        {"v 0 0 0\rv 1 0 0\rv 0 1 0\rf 1 2 7\r", ":4: face refers"},
        {triangle + "\nf 1 2\n", ":5: a face needs at least three corners"},
        {triangle + "f 1 2 0\n", ":4: "},
        {triangle + manyCorners + "\n", ":4: a face has more than 255 corners"},
        {"v 0 0 1e999\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", ":1: vertex coordinates out of range"},
        {triangle, "no faces"},
        {"", "no faces"},
        {std::string("\x7f" "ELF\0\1\2\3\n\xff\xfe", 11), "no faces"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        UseMeshFiles({{"Broken.obj", c.text}});
        reports.clear();
        EXPECT_EQ(AddMeshTo(Create("P", "Probe", StatusAt(100)), "Broken").mesh, nullptr);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find((dir / "Broken.obj").string()), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(c.problem), std::string::npos) << reports[0];
    }
}

TEST_F(MeshTest, PolygonsBecomeFansOfTriangles) {
    UseMeshFiles({{"Quad.obj", "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 -1\nf 1 2 3 4\nf 1/1/1 2/1/1 5/1/1\n"}});
    const auto& mesh = AddMeshTo(Create("P", "Probe", StatusAt(100)), "Quad").mesh;
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->triangles, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 0, 1, 4}));
}

TEST_F(MeshTest, UnsafeNamesNeverLeaveTheMeshDirectory) {
    const std::string valid = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    UseMeshFiles({{"Corvex/Bullet.obj", valid}, {"../Outside.obj", valid}});
    OBJHANDLE p = Create("P", "Probe", StatusAt(100));
    for (const char* name : {"../Outside", "/tmp/Outside", "Corvex/../../Outside", "Corvex//Bullet", "Corvex/",
                             "", ".", "a b", "Corvex/Bullet\n"}) {
        SCOPED_TRACE(name);
        reports.clear();
        EXPECT_EQ(AddMeshTo(p, name).mesh, nullptr);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("not a mesh name"), std::string::npos) << reports[0];
    }
    EXPECT_NE(AddMeshTo(p, "Corvex\\Bullet").mesh, nullptr) << "a Windows-style separator is a separator";
}

TEST_F(MeshTest, MeshesAreReadOnceAndShared) {
    UseMeshFiles({{"Corvex/Bullet.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"}});
    const auto first = AddMeshTo(Create("A", "Probe", StatusAt(100)), "Corvex/Bullet").mesh;
    fs::remove(dir / "Corvex/Bullet.obj");
    const auto second = AddMeshTo(Create("B", "Probe", StatusAt(100)), "Corvex/Bullet").mesh;
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    host.meshes.Clear();
    EXPECT_EQ(AddMeshTo(Create("C", "Probe", StatusAt(100)), "Corvex/Bullet").mesh, nullptr) << "read afresh";
    EXPECT_EQ(first->triangles.size(), 3u) << "a vessel keeps what it holds";
}

TEST_F(MeshTest, ClearMeshesLeavesRoomForTheWreck) {
    OBJHANDLE f = Create("F", "Corvex", StatusAt(1000));
    VESSEL* v = oapiGetVesselInterface(f);
    EXPECT_TRUE(v->ClearMeshes(false));
    EXPECT_TRUE(Record(f).def.meshes.empty());
    EXPECT_EQ(v->AddMesh("Corvex/CrashWreck1"), 0u);
    ASSERT_EQ(Record(f).def.meshes.size(), 1u);
    EXPECT_EQ(Record(f).def.meshes[0].name, "Corvex/CrashWreck1");
    EXPECT_NE(Record(f).def.meshes[0].mesh, nullptr);
    EXPECT_TRUE(reports.empty());
}

}  // namespace
