// What becomes of each picture the launcher loads for its windows.
#include <cmath>
#include <system_error>

#include "skin_tools/lookup_findings.h"

namespace tarnwick::skin_tools {
namespace {

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

std::string Text(Size size) { return std::to_string(size.width) + " x " + std::to_string(size.height); }

int Pixels(int twips, const sim::SimScreen& screen) { return static_cast<int>(std::lround(twips / screen.twips_per_pixel)); }

// What the picture is meant to fill: a control, or a window's client area.
struct Slot {
  bool background = false;
  bool stretch = true;
  Size design;  // the built-in picture, or the client area for a background
  Size area;    // the control's rectangle
  const platform::Picture* shown = nullptr;  // what the window shows there now
};

std::optional<Slot> SlotOf(const Lookup& lookup, const LookupContext& context) {
  const sim::SimWindow* window = context.WindowOf(lookup.step.window);
  if (window == nullptr || !lookup.target) return std::nullopt;
  Slot slot;
  if (lookup.target->background) {
    slot.background = true;
    slot.stretch = false;
    slot.design = {Pixels(window->spec.client_width, context.screen), Pixels(window->spec.client_height, context.screen)};
    slot.area = slot.design;
    slot.shown = &window->background;
    return slot;
  }
  const auto control = window->controls.find(lookup.target->control);
  if (control == window->controls.end()) return std::nullopt;
  const platform::ControlSpec& spec = control->second.spec;
  slot.stretch = spec.stretch;
  slot.design = {spec.picture.WidthPixels(), spec.picture.HeightPixels()};
  slot.area = {Pixels(spec.width, context.screen), Pixels(spec.height, context.screen)};
  slot.shown = &control->second.picture;
  return slot;
}

std::string Fallback(const Slot& slot) {
  return slot.background ? "the window shows only its background colour."
                         : "the button keeps its built-in picture (" + Text(slot.design) + ").";
}

std::string Refusal(const Lookup& lookup, const LookupContext& context) {
  const std::string file = HostPaths::Relative(lookup.argument);
  const sim::PictureLoad& load = *lookup.picture;
  switch (load.outcome) {
    case sim::PictureOutcome::NoFile: {
      const auto host = context.paths.Resolve(lookup.argument);
      std::error_code error;
      if (host && std::filesystem::is_directory(host->path, error)) return file + " is a folder, not a picture";
      return file + " does not exist";
    }
    case sim::PictureOutcome::NotAPicture: return file + " is not a picture the launcher can load";
    case sim::PictureOutcome::CutOff:
      return file + " is cut off: the file ends before its " + Text({load.width, load.height}) + " picture does";
    case sim::PictureOutcome::TooLarge:
      return file + " is " + Text({load.width, load.height}) + " pixels, too large to load (at most " +
             std::to_string(platform::kMaxPicturePixels) + " pixels)";
    case sim::PictureOutcome::Undecodable: return file + " is damaged: its picture data cannot be decoded";
    case sim::PictureOutcome::Loaded: break;
  }
  return file;
}

std::string Fit(const Slot& slot, Size size) {
  if (slot.background) {
    std::string fit = " is " + Text(size) + ", not " + Text(slot.design) + ": it is drawn unscaled from the top left";
    if (size.width < slot.design.width || size.height < slot.design.height) fit += ", and the background colour shows beside or below it";
    if (size.width > slot.design.width || size.height > slot.design.height) fit += ", and what lies beyond the window is cut off";
    return fit + ".";
  }
  if (!slot.stretch) return " is " + Text(size) + ", shown at its own size and cut to " + Text(slot.area) + ".";
  return " is " + Text(size) + ", not " + Text(slot.design) + ": it is stretched to the button's " + Text(slot.area) + ".";
}

Finding Loaded(const Lookup& lookup, const Slot& slot) {
  const Size size{lookup.picture->width, lookup.picture->height};
  const std::string file = HostPaths::Relative(lookup.argument);
  std::string message;
  Severity severity = Severity::Ok;
  if (size == slot.design) {
    message = file + ", " + Text(size) + ".";
    if (slot.stretch && !(slot.area == slot.design)) message = file + ", " + Text(size) + ", shown at the button's " + Text(slot.area) + " like the built-in picture.";
  } else {
    severity = Severity::Warning;
    message = file + Fit(slot, size);
  }
  if (lookup.path_case_differs) message += " The file's name differs in letter case, which Windows ignores.";
  return FindingFor(lookup, severity, message);
}

}  // namespace

std::vector<Finding> PictureFindings(const Lookup& lookup, const LookupContext& context) {
  const auto slot = SlotOf(lookup, context);
  if (!slot) return {FindingFor(lookup, Severity::Note, "the launcher shows this picture nowhere.")};
  Finding finding;
  if (!context.IsSet(lookup)) {
    finding = FindingFor(lookup, Severity::Note, "not set: " + Fallback(*slot));
  } else if (lookup.value.empty()) {
    finding = FindingFor(lookup, Severity::Warning, "empty: it names the image folder itself, so " + Fallback(*slot));
  } else if (lookup.picture && lookup.picture->picture && slot->shown->Data() == lookup.picture->picture->Data()) {
    finding = Loaded(lookup, *slot);
  } else {
    finding = FindingFor(lookup, Severity::Error, Refusal(lookup, context) + "; " + Fallback(*slot));
  }
  if (context.IsCut(lookup)) finding.message += " The value is longer than 254 bytes and is cut there.";
  finding.control = slot->background ? -1 : lookup.target->control;
  return {finding};
}

}  // namespace tarnwick::skin_tools
