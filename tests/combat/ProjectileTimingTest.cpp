// A shell on its own: it goes off on its 3 s fuse or below half a metre, whichever comes first,
// and is gone 0.6 s after it went off.
#include <map>

#include "Battle.h"

namespace {

TEST_F(Battle, ShellsGoOffOnTheirFuseOrAtTheGroundAndAreGone0Point6sLater) {
    Load("shells.scn");
    const OBJHANDLE high = Named("High"), low = Named("Low");
    struct Flight {
        double wentOff = -1;  // the time of the step whose pre-step set it off
        double altitudeBefore = 0, altitudeAt = 0;  // as the pre-steps before and at that step saw it
    };
    std::map<OBJHANDLE, Flight> flights;
    std::map<OBJHANDLE, double> previous;  // the altitudes of the step before
    while (host.clock.Now() < 15) {
        const double t = host.clock.Now();
        std::map<OBJHANDLE, double> altitude;
        for (OBJHANDLE h : {high, low})
            if (oapiIsVessel(h)) altitude[h] = Altitude(h);
        host.Step();
        for (OBJHANDLE h : {high, low})
            if (oapiIsVessel(h) && Shell(h).destroyed != 0 && !flights.count(h))
                flights[h] = {t, previous[h], altitude[h]};
        previous = altitude;
    }

    // Loaded at 10 s, the fuse runs out at 13 s exactly.
    ASSERT_EQ(flights.count(high), 1u);
    EXPECT_EQ(flights[high].wentOff, 13);
    EXPECT_GT(flights[high].altitudeAt, 4000);
    // The diving one goes off in the first step that finds it below half a metre.
    ASSERT_EQ(flights.count(low), 1u);
    EXPECT_LT(flights[low].wentOff, 11);
    EXPECT_LT(flights[low].altitudeAt, 0.5);
    EXPECT_GE(flights[low].altitudeBefore, 0.5);

    for (OBJHANDLE h : {high, low}) {
        const host::Event* gone = Deletion(h);
        ASSERT_NE(gone, nullptr);
        const double wentOff = flights[h].wentOff;
        EXPECT_GE(gone->time, wentOff + 0.6);
        EXPECT_LT(gone->time - host.clock.step, wentOff + 0.6) << "in the first step at or after 0.6 s";
        EXPECT_EQ(gone->during, h) << "it removes itself";
    }
}

}  // namespace
