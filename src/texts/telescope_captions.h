#pragma once

// The runic captions of the telescope: the Megfigyelő menu's items, the
// chart's and the close-up's right-button menu while a mount is connected,
// the telescope dialog and the mount's states. Each is written from its
// Hungarian source (Windows-1250, kept beside it) by the transliteration
// routine and stored reversed; menu items carry a blank at each end like
// every menu caption.

#include "texts/view_captions.h"

namespace kolvar {

struct TelescopeTexts {
    // The Megfigyelő menu.
    ViewCaption MenuItem;       // opens the telescope dialog
    ViewCaption PointSelected;  // slews to the object named last (a click, the find dialog)
    ViewCaption Abort, Park, Unpark;
    // The right-button menu over either view.
    ViewCaption PointHere, SyncHere;
    ViewCaption CloseUpHere;  // the chart's own right-button action: the close-up there
    ViewCaption CentreHere;   // the close-up's own: centred there
    // The dialog.
    ViewCaption Host, Port, Device, Connect, Disconnect, ConnectAtStart, AltitudeLimit, CloseUpFollows, Close;
    // The mount's states, in the order of MountState: disconnected,
    // connecting, idle, tracking, slewing, parked, lost.
    ViewCaption States[7];
};

// Written once, on first use; the strings stay put for the whole run.
const TelescopeTexts& TelescopeCaptions();

}  // namespace kolvar
