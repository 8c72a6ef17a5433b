#pragma once

#include <memory>

#include "chart/chart_frame.h"
#include "chart/observer_state.h"
#include "chart/sky_object_table.h"

namespace kolvar {

// The sky state of one main window: the observer, the geometry of the main
// chart's last redraw and the objects it placed. The main window owns it and
// writes it (start, settings, every redraw); the time and place exchanges
// write the observer; the controls, the close-up and the dialogs are handed
// references to it, which stay valid as long as the window: the session is
// neither copied nor moved.
class SkySession {
public:
    SkySession() : skyObjects_(std::make_unique<SkyObjectTable>()) {}
    SkySession(const SkySession&) = delete;
    SkySession& operator=(const SkySession&) = delete;

    ObserverState Observer;
    ChartFrame Chart;
    // The table is large (every star and deep-sky object): it lives on the heap.
    SkyObjectTable& SkyObjects() { return *skyObjects_; }
    const SkyObjectTable& SkyObjects() const { return *skyObjects_; }

private:
    std::unique_ptr<SkyObjectTable> skyObjects_;
};

}  // namespace kolvar
