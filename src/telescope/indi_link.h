#pragma once

// The INDI client behind the telescope link (Debian's libindiclient); the one
// place that knows the library. Its events come from the link's own thread
// and from the library's listening thread.

#include <memory>

#include "telescope/mount_link.h"

namespace kolvar {

std::unique_ptr<MountLink> MakeIndiLink(MountEventSink sink);

}  // namespace kolvar
