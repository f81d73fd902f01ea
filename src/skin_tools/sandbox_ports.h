#pragma once
// The ports through which the skin tools watch the launcher: each forwards to the simulated
// platform's behaviour (or to the real files of the skin folder) and notes in the trace what
// the launcher asked for.
#include <functional>
#include <memory>

#include "platform/ansi_code_page.h"
#include "platform/application_port.h"
#include "platform/folder_view_port.h"
#include "platform/ini_port.h"
#include "platform/picture_port.h"
#include "platform/process_port.h"
#include "platform/sim/sim_ini.h"
#include "platform/sim/sim_pictures.h"
#include "skin_tools/host_paths.h"
#include "skin_tools/launcher_trace.h"

namespace tarnwick::skin_tools {

// The trace and the step that is running.
struct TraceRecorder {
  LauncherTrace trace;
  Step step;
  bool enabled = true;  // lookups are noted while enabled
  // The lookup a call just made belongs to (the launcher hands each value on at once).
  Lookup* Last() { return trace.empty() ? nullptr : &trace.back(); }
};

// The program as a whole, in the virtual program folder; nothing else of it is used.
class FolderApplication : public platform::ApplicationPort {
 public:
  std::string ProgramFolder() const override { return kProgramFolder; }
  bool IsPreviousInstance() override { return false; }
  void SetTaskListVisible(bool) override {}
  void PumpEvents() override {}
  void WaitForEvents(float) override {}
  std::optional<std::uint64_t> FileLength(const std::string&) override { return std::nullopt; }
  void EndNow() override { ended_ = true; }
  bool HasEnded() const override { return ended_; }

 private:
  bool ended_ = false;
};

// Lookups in the skin folder's config.ini by the simulated platform's reader.
class TracingIni : public platform::IniPort {
 public:
  TracingIni(TraceRecorder& recorder, const HostPaths& paths, const platform::AnsiCodePage& code_page)
      : recorder_(recorder), paths_(paths), code_page_(code_page), files_(code_page) {}
  std::size_t ReadProfileString(const std::string& section, const std::string& key, const std::string& default_text,
                               char* buffer, std::size_t size, const std::string& path) override;

 private:
  TraceRecorder& recorder_;
  const HostPaths& paths_;
  const platform::AnsiCodePage& code_page_;
  sim::ProfileFileReader files_;
};

// Picture files of the skin folder. With `tagging`, every load yields a small picture that names
// its lookup, so that the window table then tells where the launcher put each one.
class TracingPictures : public platform::PicturePort {
 public:
  TracingPictures(TraceRecorder& recorder, const HostPaths& paths, platform::PicturePort& design, bool tagging)
      : recorder_(recorder), paths_(paths), design_(design), tagging_(tagging) {}
  std::optional<platform::Picture> LoadPicture(const std::string& path) override;
  platform::Picture LoadDesignPicture(platform::DesignPicture which, int offset) override {
    return design_.LoadDesignPicture(which, offset);
  }

 private:
  TraceRecorder& recorder_;
  const HostPaths& paths_;
  platform::PicturePort& design_;
  bool tagging_;
};

// The lookup a tagged picture stands for, or nothing for any other picture.
std::optional<std::size_t> TaggedLookup(const platform::Picture& picture);

class TracingProcesses : public platform::ProcessPort {
 public:
  explicit TracingProcesses(TraceRecorder& recorder) : recorder_(recorder) {}
  platform::StartOutcome StartProgram(const std::string& command_line, int show_command) override;
  platform::StartOutcome StartElevated(const std::string&, const std::string&, int) override {
    return platform::StartOutcome::NotAProgram;
  }

 private:
  TraceRecorder& recorder_;
};

class TracingFolderView : public platform::FolderViewPort {
 public:
  explicit TracingFolderView(TraceRecorder& recorder) : recorder_(recorder) {}
  bool Navigate(platform::WindowHandle window, int control, const std::string& location) override;

 private:
  TraceRecorder& recorder_;
};

}  // namespace tarnwick::skin_tools
