#include "plan/list_session.h"

#include <utility>

namespace kolvar {

namespace {

std::string FailureText(const WriteFailure& f) { return f.Action + " " + f.Name + ": " + f.Reason; }

}  // namespace

std::string ListSession::Choose(std::string name) {
    if (std::string why = ListNameProblem(name); !why.empty()) return why;
    ListReading r = LoadObservingList(ObservingListPath(name), name);
    current_.reset();
    usable_ = r.List.has_value();
    list_ = r.List ? std::move(*r.List) : ObservingList{std::move(name), {}};
    if (!usable_) return ObservingListPath(list_.Name).string() + ": " + r.Refusal;
    if (!r.Problems.empty())
        return ObservingListPath(list_.Name).string() + ": " + r.Problems.front() +
               (r.Problems.size() > 1 ? " (and " + std::to_string(r.Problems.size() - 1) + " more)" : "");
    return {};
}

void ListSession::SetCurrent(std::optional<std::size_t> index) {
    current_ = index && *index < list_.Objects.size() ? index : std::nullopt;
}

std::optional<std::size_t> ListSession::Next() {
    current_ = NextInList(list_, current_);
    return current_;
}

std::string ListSession::Save(ObservingList changed) {
    if (!usable_)
        return ObservingListPath(list_.Name).string() + " is no observing list; it is left as it is";
    if (const auto failure = SaveObservingList(ObservingListPath(changed.Name), changed, SettingsPolicy))
        return FailureText(*failure);
    list_ = std::move(changed);
    return {};
}

std::string ListSession::Add(ListedObject object, bool& added) {
    added = false;
    if (const auto at = FindInList(list_, object.Name)) {
        current_ = at;
        return {};
    }
    ObservingList changed = list_;
    changed.Objects.push_back(std::move(object));
    std::string why = Save(std::move(changed));
    added = why.empty();
    if (added) current_ = list_.Objects.size() - 1;
    return why;
}

std::string ListSession::Observe(std::size_t index, Observation observation) {
    if (index >= list_.Objects.size()) return "no such row";
    ObservingList changed = list_;
    changed.Objects[index].Observed = std::move(observation);
    return Save(std::move(changed));
}

std::string ListSession::Remove(std::size_t index) {
    if (index >= list_.Objects.size()) return "no such row";
    ObservingList changed = list_;
    changed.Objects.erase(changed.Objects.begin() + static_cast<std::ptrdiff_t>(index));
    std::string why = Save(std::move(changed));
    if (why.empty() && current_) {
        if (*current_ == index)
            current_.reset();
        else if (*current_ > index)
            --*current_;
    }
    return why;
}

std::string ListSession::Import(const std::string& file, std::size_t& added) {
    added = 0;
    if (KindOfTarget(file) == TargetKind::Missing) return file + ": no such file";
    ListReading r = LoadObservingList(file, list_.Name);
    if (!r.List) return file + ": " + r.Refusal;
    ObservingList changed = list_;
    for (ListedObject& o : r.List->Objects) added += AddToList(changed, std::move(o)) ? 1 : 0;
    std::string why = Save(std::move(changed));
    if (!why.empty()) added = 0;
    return why;
}

std::string ListSession::Export(const std::string& file, WritePolicy policy) const {
    if (const auto failure = WriteFile(file, ObservingListText(list_), policy)) return FailureText(*failure);
    return {};
}

}  // namespace kolvar
