#pragma once

// The observing list a window works on: one list chosen by name, read from
// its file and saved again after every change, and the object it stands at
// while it is stepped through. A change that cannot be saved is undone, so
// what is shown is what the file holds; a file that is no list is neither
// changed nor written over. Every command returns "" or a one-line reason.

#include <cstddef>
#include <optional>
#include <string>

#include "plan/observing_list.h"

namespace kolvar {

class ListSession {
public:
    // The list of that name (a new one when it has no file yet).
    std::string Choose(std::string name);
    const ObservingList& List() const { return list_; }
    // False when the list's file was refused: then nothing may change it.
    bool Usable() const { return usable_; }

    std::optional<std::size_t> Current() const { return current_; }
    void SetCurrent(std::optional<std::size_t> index);
    // Steps to the next object (NextInList) and returns it.
    std::optional<std::size_t> Next();

    // `added` is false when the object was listed already (it then becomes the current one).
    std::string Add(ListedObject object, bool& added);
    std::string Observe(std::size_t index, Observation observation);
    std::string Remove(std::size_t index);
    // Adds the objects of a CSV file not yet listed; `added` counts them.
    std::string Import(const std::string& file, std::size_t& added);
    std::string Export(const std::string& file, WritePolicy policy) const;

private:
    std::string Save(ObservingList changed);

    ObservingList list_;
    bool usable_ = false;
    std::optional<std::size_t> current_;
};

}  // namespace kolvar
