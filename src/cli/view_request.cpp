#include "cli/view_request.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "appcore/view_switches.h"
#include "canvas/program_fonts.h"
#include "sky/sky_object_table.h"

namespace kolvar::cli {

std::string ShowLayersHelp() {
    std::string help;
    for (const ViewSwitch& s : ViewSwitches()) {
        if (s.ShowWord.empty()) continue;
        help += s.ShowWord;
        if (!s.ShowNote.empty()) ((help += " (") += s.ShowNote) += ')';
        help += ", ";
    }
    return help + "selection:SLOT";
}

ViewOptions ParseViewOptions(const ParsedOptions& options) {
    ViewOptions view;
    if (auto list = options.Value("--show")) {
        std::string_view rest = *list;
        if (rest.empty()) throw UsageError("--show: empty list");
        while (true) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = rest.substr(0, comma);
            constexpr std::string_view selection = "selection:";
            const auto named =
                std::find_if(ViewSwitches().begin(), ViewSwitches().end(),
                             [&](const ViewSwitch& s) { return !s.ShowWord.empty() && s.ShowWord == item; });
            if (named != ViewSwitches().end()) {
                TurnViewSwitch(view, *named, true);
            } else if (item.starts_with(selection)) {
                view.SelectedSlot = static_cast<int>(
                    ParseInteger("--show selection", item.substr(selection.size()), 0, SkyObjectCount - 1));
            } else {
                std::string words;
                for (const ViewSwitch& s : ViewSwitches())
                    if (!s.ShowWord.empty()) (words += s.ShowWord) += ", ";
                throw UsageError("--show: unknown layer " + QuoteForMessage(item) + " (" + words +
                                 "selection:SLOT)");
            }
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    if (auto mag = options.Value("--label-mag")) {
        view.LabelMagnitude = ParseFiniteDouble("--label-mag", *mag);
        if (view.LabelMagnitude < -30 || view.LabelMagnitude > 30)
            throw UsageError("--label-mag: " + QuoteForMessage(*mag) + " is outside -30..30");
    }
    if (auto mag = options.Value(SmallBodiesMagOption.Name)) {
        view.SmallBodyMagnitude = ParseFiniteDouble(SmallBodiesMagOption.Name, *mag);
        if (view.SmallBodyMagnitude < -30 || view.SmallBodyMagnitude > 40)
            throw UsageError("--small-bodies-mag: " + QuoteForMessage(*mag) + " is outside -30..40");
        view.SmallBodies = true;
    }
    if (auto style = options.Value("--style")) {
        if (*style == "smooth")
            view.Style = ChartStyle::Smooth;
        else if (*style != "plain")
            throw UsageError("--style: " + QuoteForMessage(*style) + " is neither plain nor smooth");
    }
    if (auto size = options.Value("--font-size"))
        view.CharacterSize = static_cast<int>(ParseInteger("--font-size", *size, 1, 1000));
    for (const ViewSwitch& s : ViewSwitches())
        if (!s.CliOption.empty() && options.Has(s.CliOption)) s.Put(view, true);
    return view;
}

bool RegisterViewFonts(const ViewOptions& view) {
    if (!view.Names && !view.Labels && !view.Lines.EquatorialGrid) return true;
    if (RegisterProgramFonts()) return true;
    std::fprintf(stderr, "%s: cannot read the program's own fonts\n", ProgramName.data());
    return false;
}

bool ViewOptionsGiven(const ParsedOptions& options) {
    const auto flagged = [&](const ViewSwitch& s) {
        return !s.CliOption.empty() && options.Has(s.CliOption);
    };
    return options.Has("--show") || options.Has("--style") || options.Has("--label-mag") ||
           options.Has(SmallBodiesMagOption.Name) ||
           std::any_of(ViewSwitches().begin(), ViewSwitches().end(), flagged);
}

}  // namespace kolvar::cli
