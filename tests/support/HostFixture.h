// A fresh host for each test, loading the real game modules and the test modules.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "HostAPI.h"
#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    host::Host& host = host::Host::Instance();
};

// A status record for a vessel in level flight heading north at the given altitude, on the
// equator at longitude 0, offset north by `north` metres along the ground.
VESSELSTATUS StatusAt(double altitude, double north = 0, double speed = 0);

// Creates a vessel through the host as a module would, failing the test if it cannot.
OBJHANDLE Create(const std::string& name, const std::string& className, const VESSELSTATUS& status);

// The host's record of a vessel.
host::VesselRecord& Record(OBJHANDLE h);
