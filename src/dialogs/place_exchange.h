#pragma once

#include "dialogs/conversion_error_box.h"
#include "sky/observer_state.h"

namespace kolvar {

class TPlaceDlg;

// The place command. First normalises the observer's Longitude to (-pi, pi]
// and Latitude to [-pi/2, pi/2], written back at once whatever the user does
// next; then shows them as degrees, minutes and seconds with their
// hemispheres (ShownAngle, so an untouched dialog gives the place back to
// within ShownAngleTolerance), modally. After OK the six fields are read (the four integers
// first, then the two seconds) and summed as typed, without range checks; a
// row whose minutes and seconds are both empty takes its degree field as a
// decimal degree ("47.589"). A western longitude is stored as 2 pi minus its
// magnitude. A town chosen in the dialog names the place (`placeName`) while
// the fields still give its place, and its zone and summer-time rule are
// taken when the dialog's check box says so. A field that does not read is
// reported and changes nothing. Returns true when the place was taken back,
// so the caller redraws.
bool RunPlaceExchange(TPlaceDlg& dialog, ObserverState& observer, std::string& placeName,
                      const ErrorReporter& report);

}  // namespace kolvar
