#pragma once

// The comets and minor planets the user has imported, kept between runs in
// $XDG_DATA_HOME/kolvar/small-bodies.tsv (~/.local/share/kolvar/ when the
// variable is unset or not an absolute path), in the kept set's text
// (elements/kept_set_text.h), written whole or not at all.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "appcore/file_writer.h"
#include "astro/small_body.h"
#include "elements/element_import.h"

namespace kolvar {

std::filesystem::path KeptSmallBodiesPath();

// The kept bodies; a missing file is an empty set. A damaged line is a
// problem and the others are kept; a file that cannot be read, or is not a
// kept set, is one problem with Unreadable set, and then nothing may be
// written over it.
ImportResult LoadKeptSmallBodies(const std::filesystem::path& path);

// Writes the set, creating the folder; nothing written on failure.
std::optional<WriteFailure> SaveKeptSmallBodies(const std::filesystem::path& path,
                                                std::span<const SmallBody> bodies);

}  // namespace kolvar
