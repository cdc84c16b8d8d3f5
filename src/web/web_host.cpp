#include "web/web_host.hpp"

namespace swd::web {

namespace {
// The steps refresh the preview after every row; a picture for the page about 25 times a
// second keeps it growing smoothly without copying it thousands of times.
constexpr std::chrono::milliseconds kPreviewInterval(40);
}  // namespace

void WebHost::SetStatus(std::string_view text) {
  swdgen_host_status(std::string(text).c_str());
}

void WebHost::ShowProgress(bool visible) {
  progress_visible_ = visible;
  swdgen_host_progress(visible ? progress_ : -1);
}

void WebHost::SetProgress(int value) {
  if (value == progress_) return;
  progress_ = value;
  if (progress_visible_) swdgen_host_progress(value);
}

void WebHost::Yield() {
  if (!preview_changed_) return;
  if (std::chrono::steady_clock::now() - last_preview_ >= kPreviewInterval) SendPreview();
}

void WebHost::SendPreview() {
  if (generator_ == nullptr) return;
  const PreviewImage& p = generator_->preview;
  swdgen_host_preview(p.Pixels().data(), p.Width(), p.Height());
  preview_changed_ = false;
  last_preview_ = std::chrono::steady_clock::now();
}

void WebHost::SetHint(std::string_view text) {
  swdgen_host_hint(std::string(text).c_str());
}

void WebHost::RunEnded() {
  // The finished picture, which is also the bitmap.
  SendPreview();
  swdgen_host_progress(-1);
}

std::optional<SaveTarget> WebHost::AskSaveTarget(const SaveTarget& proposal,
                                                 const std::string& problem) {
  // The proposal is always usable and the files are only kept: a second request cannot
  // come from a refused answer of ours.
  if (!problem.empty()) return std::nullopt;
  proposed_name_ = proposal.name;
  return proposal;
}

std::string WebHost::WriteFiles(const std::vector<FileContent>& files) {
  files_ = files;
  return {};
}

}  // namespace swd::web
