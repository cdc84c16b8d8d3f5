#include "wizard/wizard_window.hpp"

#include <QCloseEvent>
#include <QLayout>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "wizard/generation_page.hpp"
#include "wizard/help_dialog.hpp"
#include "wizard/help_texts.hpp"
#include "wizard/proportions_page.hpp"
#include "wizard/shape_page.hpp"
#include "wizard/size_page.hpp"
#include "wizard/summary_page.hpp"
#include "wizard/type_page.hpp"
#include "wizard/window_placement.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kMinimumSize(760, 640);
}

WizardWindow::WizardWindow(WizardServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), stack_(new QStackedWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(stack_);
  // Large enough for a 128 x 128 preview at three times its size; a page that needs more
  // grows the window when it is shown.
  setMinimumSize(kMinimumSize);

  // The generation window owns the generator whose settings every page writes.
  generation_ = new GenerationPage(services_, this);
  GeneratorSettings& settings = generation_->settings();
  size_ = new SizePage(settings, this);
  type_ = new TypePage(settings, this);
  shape_ = new ShapePage(settings, services_, this);
  proportions_ = new ProportionsPage(settings, this);
  summary_ = new SummaryPage(
      settings, [this] { return generation_->NextCode(); }, this);
  Add(PageId::Size, size_);
  Add(PageId::TypeAndPlayers, type_);
  Add(PageId::BaseShape, shape_);
  Add(PageId::Proportions, proportions_);
  Add(PageId::Summary, summary_);
  Add(PageId::Generation, generation_);

  connect(generation_, &GenerationPage::settingsReplaced, this, [this] {
    for (WizardPage* page : pages_)
      page->ShowSettings();
  });
  connect(generation_, &GenerationPage::runFinished, this, [this] {
    if (close_after_run_) emit quitRequested();
  });
}

WizardWindow::~WizardWindow() = default;

void WizardWindow::Add(PageId id, WizardPage* page) {
  pages_[static_cast<int>(id)] = page;
  stack_->addWidget(page);
  connect(page, &WizardPage::nextRequested, this, [this, id] {
    if (const auto next = NextPage(id, generation_->settings())) ShowPage(*next);
  });
  connect(page, &WizardPage::backRequested, this, [this, id] {
    if (const auto back = PreviousPage(id, generation_->settings())) ShowPage(*back);
  });
  connect(page, &WizardPage::quitRequested, this, &WizardWindow::quitRequested);
  connect(page, &WizardPage::helpRequested, this, [this, id] { ShowHelp(id); });
}

void WizardWindow::ShowHelp(PageId id) {
  if (help_ == nullptr) help_ = new HelpDialog(this);
  help_->ShowText(Page(id).Caption(), HelpText(id));
}

WizardPage& WizardWindow::Page(PageId page) const {
  return *pages_[static_cast<int>(page)];
}

void WizardWindow::Begin() {
  ShowPage(PageId::Size);
  show();
  CentreOnScreen(*this);
}

void WizardWindow::ShowPage(PageId page) {
  current_ = page;
  WizardPage& shown = Page(page);
  stack_->setCurrentWidget(&shown);
  setWindowTitle(shown.Caption());
  shown.Activate();
  GrowFor(shown);
  if (isVisible()) CentreOnScreen(*this);
}

void WizardWindow::GrowFor(const QWidget& page) {
  // The page's layout may still hold the sizes from before Activate().
  if (page.layout() != nullptr) page.layout()->activate();
  QSize wanted = page.sizeHint();
  if (const QScreen* s = screen()) {
    const QSize frame = frameGeometry().size() - size();
    wanted = wanted.boundedTo(s->availableGeometry().size() - frame);
  }
  if (wanted.width() > width() || wanted.height() > height()) resize(size().expandedTo(wanted));
}

void WizardWindow::closeEvent(QCloseEvent* event) {
  // Closing the window during a run stops the run first, as Escape does; the window
  // goes once the run has ended, so no half-made landscape asks to be saved.
  if (generation_->Running()) {
    generation_->StopRun();
    close_after_run_ = true;
    event->ignore();
    return;
  }
  event->accept();
  emit quitRequested();
}

}  // namespace swd::wizard
