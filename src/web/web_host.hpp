#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "model/generator.hpp"
#include "model/host.hpp"

// What the module asks of the page during a run; host_library.js implements these.
extern "C" {
void swdgen_host_status(const char* text);
void swdgen_host_hint(const char* text);
// The progress bar at `value` 0..100, or hidden for -1.
void swdgen_host_progress(int value);
// The preview picture, width x height RGB pixels, rows top to bottom.
// The preview's pixels, `width` x `height`, of which the page shows the map alone, the
// `border` of background to the right and below left out.
void swdgen_host_preview(const std::uint8_t* rgb, int width, int height, int border);
}

namespace swd::web {

// The page's side of a run. It runs in a worker that the page ends when the user stops
// the run, so there is no cancel key to poll. Nothing is saved during the run: the files
// are kept for the page, which names them when the user downloads them.
class WebHost : public Host {
 public:
  // The generator whose preview the page is shown; none between runs.
  void Attach(const Generator* g) { generator_ = g; }

  void SetStatus(const Message& text) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int value) override;
  void RefreshPreview() override { preview_changed_ = true; }
  void Yield() override;
  void SetHint(const Message& text) override;
  void RunEnded() override;
  std::optional<SaveTarget> AskSaveTarget(const SaveTarget& proposal,
                                          const Message& problem) override;
  Message WriteFiles(const std::vector<FileContent>& files) override;

  const std::string& proposed_name() const { return proposed_name_; }
  // The map file and its bitmap of the last run; empty before one was saved.
  std::vector<FileContent>& files() { return files_; }

 private:
  void SendPreview();

  const Generator* generator_ = nullptr;
  bool preview_changed_ = false;
  std::chrono::steady_clock::time_point last_report_{};
  bool progress_visible_ = false;
  int progress_ = 0;
  int sent_progress_ = -1;
  std::string proposed_name_;
  std::vector<FileContent> files_;
};

}  // namespace swd::web
