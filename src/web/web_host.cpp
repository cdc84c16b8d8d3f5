#include "web/web_host.hpp"

namespace swd::web {

namespace {
// The steps report after every row. The page is told about 25 times a second, which keeps
// bar and preview moving smoothly; every message costs the run time.
constexpr std::chrono::milliseconds kReportInterval(40);
}  // namespace

void WebHost::SetStatus(const Message& text) {
  swdgen_host_status(text.German().c_str());
}

void WebHost::ShowProgress(bool visible) {
  progress_visible_ = visible;
}

void WebHost::SetProgress(int value) {
  progress_ = value;
}

void WebHost::Yield() {
  const auto now = std::chrono::steady_clock::now();
  if (now - last_report_ < kReportInterval) return;
  last_report_ = now;
  // The bar as it is now: a step too short to be seen never shows it.
  if (const int bar = progress_visible_ ? progress_ : -1; bar != sent_progress_) {
    sent_progress_ = bar;
    swdgen_host_progress(bar);
  }
  if (preview_changed_) SendPreview();
}

void WebHost::SendPreview() {
  if (generator_ == nullptr) return;
  const PreviewImage& p = generator_->preview;
  swdgen_host_preview(p.Pixels().data(), p.Width(), p.Height(), PreviewImage::kBorder);
  preview_changed_ = false;
}

void WebHost::SetHint(const Message& text) {
  swdgen_host_hint(text.German().c_str());
}

void WebHost::RunEnded() {
  // The finished picture, which is also the bitmap.
  SendPreview();
  sent_progress_ = -1;
  swdgen_host_progress(-1);
}

std::optional<SaveTarget> WebHost::AskSaveTarget(const SaveTarget& proposal,
                                                 const Message& problem) {
  // The proposal is always usable and the files are only kept: a second request cannot
  // come from a refused answer of ours.
  if (!problem.empty()) return std::nullopt;
  proposed_name_ = proposal.name;
  return proposal;
}

Message WebHost::WriteFiles(const std::vector<FileContent>& files) {
  files_ = files;
  return {};
}

}  // namespace swd::web
