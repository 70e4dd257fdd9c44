// Loading scenario text into a fresh host, for the scenario tests.
#pragma once

#include <string>

#include "Corvex.h"
#include "HostFixture.h"
#include "scenario/Scenario.h"

class ScenarioTest : public HostTest {
protected:
    host::scenario::LoadReport Load(const std::string& text) {
        return host::scenario::LoadScenarioText(text, "test.scn");
    }
    std::string Save() {
        std::vector<std::string> warnings;
        std::string text = host::scenario::ScenarioText(warnings);
        EXPECT_TRUE(warnings.empty()) << warnings.front();
        return text;
    }
    static Corvex& Fighter(const char* name) {
        return *static_cast<Corvex*>(static_cast<VESSEL2*>(oapiGetVesselInterface(oapiGetVesselByName(name))));
    }
};
