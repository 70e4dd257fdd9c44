// The autopilot of fighters whose aiMode is positive: picks what to do about its target, turns
// that into heading and pitch commands, fires when the aim point is near the nose, and steers.
#include <cmath>

#include "Constants.h"
#include "ControlLaws.h"
#include "Corvex.h"
#include "VesselGeometry.h"

namespace {

constexpr double kCloseInFactor = 1.4;      // times gunRange
constexpr double kAttackConeDeg = 120;      // a target further off the nose is approached
constexpr double kFireConeDeg = 8;
constexpr double kCruiseClimbDeg = 1;       // with no enemy left
constexpr double kPitchBiasDeg = 0.3;
constexpr double kBankFirstDeg = 35;        // beyond this bank, level the wings first

enum Mode { kCloseIn = 1, kAttack = 2, kNoTarget = 5 };

double OwnHeading(OBJHANDLE own) {
    double heading = 0;
    oapiGetHeading(own, &heading);
    return heading;
}

}  // namespace

void Corvex::FlyAutopilot() {
    if (aiMode > 0) ChooseAutopilotMode();
    if (autopilotActive) SteerByControlLaws();
}

void Corvex::ChooseAutopilotMode() {
    const OBJHANDLE own = GetHandle();
    if (!IsHostile(target)) SelectNextHostile();
    if (!IsHostile(target)) {
        aiMode = kNoTarget;
        target = nullptr;
    } else {
        VECTOR3 rel;
        oapiGetRelativePos(target, own, &rel);
        if (VectorLength(rel) > kCloseInFactor * gunRange) {
            aiMode = kCloseIn;
        } else {
            const VECTOR3 local = GlobalToLocal(*this, rel);
            // A NaN angle is no reason to hold fire: it counts as attack.
            const double offNose = std::acos(local.z / VectorLength(local));
            aiMode = offNose > kAttackConeDeg * RAD ? kCloseIn : kAttack;
        }
    }

    switch (aiMode) {
        case kCloseIn:
            BearingAndClimb(own, target, desiredHeading, desiredPitch);
            autopilotActive = true;
            break;
        case kAttack: {
            VECTOR3 aim;
            if (!SolveIntercept(own, target, muzzleSpeed, aim)) {
                // Keep the last commands; the next step chooses afresh.
                aiMode = kCloseIn;
                break;
            }
            const Commands commands = AimToCommands(aim, GetPitch(), GetBank(), OwnHeading(own));
            desiredHeading = commands.heading;
            desiredPitch = commands.pitch;
            autopilotActive = true;
            if (std::acos(aim.z / VectorLength(aim)) < kFireConeDeg * RAD) FireGun();
            break;
        }
        default:
            desiredHeading = OwnHeading(own);
            desiredPitch = kCruiseClimbDeg * RAD;
            autopilotActive = true;
            break;
    }
}

void Corvex::SteerByControlLaws() {
    SetThrusterGroupLevel(THGROUP_MAIN, 1);
    const double pitchError = GetPitch() - (desiredPitch + kPitchBiasDeg * RAD);
    const double bank = GetBank();
    // One of pitch and bank per step: the two share their thrusters.
    if (std::abs(bank) > kBankFirstDeg * RAD || std::abs(pitchError) < std::abs(bank))
        SetAttitudeRotLevel(2, PitchBankLevel(-bank));
    else
        SetAttitudeRotLevel(0, PitchBankLevel(pitchError));
    SetAttitudeRotLevel(1, HeadingLevel(WrapHeadingError(desiredHeading - OwnHeading(GetHandle()))));
}
