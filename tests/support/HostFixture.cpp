#include "HostFixture.h"

void HostTest::SetUp() {
    host.Reset();
    host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
}

void HostTest::TearDown() { host.Reset(); }

VESSELSTATUS StatusAt(double altitude, double north, double speed) {
    namespace phys = host::physics;
    const double r = phys::kPlanetRadius + altitude;
    const glm::dvec3 pos = phys::FromEquPos(0, north / r, r);
    const glm::dmat3 rot = phys::RotationFromAttitude(pos, {0, 0, 0});
    VESSELSTATUS s{};
    s.rpos = phys::ToVector3(pos);
    s.rvel = phys::ToVector3(rot * glm::dvec3(0, 0, speed));
    s.arot = phys::ToVector3(phys::AnglesFromRotation(rot));
    s.fuel = 1;
    return s;
}

OBJHANDLE Create(const std::string& name, const std::string& className, const VESSELSTATUS& status) {
    OBJHANDLE h = oapiCreateVessel(name.c_str(), className.c_str(), status);
    EXPECT_NE(h, nullptr) << "could not create " << name << " of class " << className;
    return h;
}

host::VesselRecord& Record(OBJHANDLE h) {
    host::VesselRecord* rec = host::Host::Instance().vessels.Find(h);
    if (!rec) throw std::runtime_error("no record for handle");
    return *rec;
}
