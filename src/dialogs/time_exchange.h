#pragma once

#include "dialogs/conversion_error_box.h"
#include "sky/observer_state.h"

namespace kolvar {

class TTimeDlg;

// The time command: fills the dialog from the observer's Zone, SummerTime and
// JulianDay (the texts set as an edit sets them, so the change handlers run),
// shows it modally, and after OK takes the three back in that order (the zone
// by StrictZone, the day by StrictJulianDay: either decimal separator). A zone
// or Julian day text that does not read is reported and ends the exchange
// where it stands: a bad zone takes nothing back, a bad Julian day (also one
// the orbital elements do not cover) leaves the new zone and summer-time flag
// but not the day. Returns true when all three were taken back, so the
// caller redraws.
bool RunTimeExchange(TTimeDlg& dialog, ObserverState& observer, const ErrorReporter& report);

}  // namespace kolvar
