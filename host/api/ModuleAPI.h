// Everything a vessel module author includes.
#pragma once

#include "HostAPI.h"
#include "HostTypes.h"
#include "HudDraw.h"
#include "KeyCodes.h"
#include "ModuleExports.h"
#include "Vessel.h"
