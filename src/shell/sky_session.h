#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "chart/chart_frame.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "sky/sky_scene.h"

namespace kolvar {

// The sky state of one main window: the observer, the scene of its place
// and instant, and the geometry of the main chart's last redraw. The main
// window owns it and writes it (start, settings, every redraw); the time and
// place exchanges write the observer; the controls, the close-up and the
// dialogs are handed references to it, which stay valid as long as the
// window: the session is neither copied nor moved, and a new scene is
// written over the old one in place.
class SkySession {
public:
    SkySession() : scene_(std::make_unique<SkyScene>()) {}
    SkySession(const SkySession&) = delete;
    SkySession& operator=(const SkySession&) = delete;

    ObserverState Observer;
    // The town whose place this is, as the city table spells it
    // (Windows-1250); empty when the place was typed or is no town's.
    std::string PlaceName;
    std::int32_t FontSize = DefaultFontSize;  // points, the name labels
    ChartFrame Chart;
    bool Closing = false;  // set once when the window goes; no redraw after

    // The scene of the observer's place and instant, computed again only
    // when either has changed since the last call.
    const SkyScene& UpdateScene() {
        if (!sceneComputed_ || !scene_->IsFor(Observer)) {
            *scene_ = ComputeSkyScene(Observer);
            sceneComputed_ = true;
        }
        return *scene_;
    }
    // The scene the last redraw drew (nothing placed before the first).
    const SkyScene& Scene() const { return *scene_; }
    const SkyObjectTable& SkyObjects() const { return scene_->Objects; }

private:
    // The scene is large (every star and deep-sky object): it lives on the heap.
    std::unique_ptr<SkyScene> scene_;
    bool sceneComputed_ = false;
};

}  // namespace kolvar
