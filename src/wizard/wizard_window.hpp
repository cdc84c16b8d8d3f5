#pragma once

#include <QWidget>
#include <array>

#include "wizard/navigation.hpp"
#include "wizard/services.hpp"

class QStackedWidget;

namespace swd::wizard {

class GenerationPage;
class HelpDialog;
class ProportionsPage;
class ShapePage;
class SizePage;
class SummaryPage;
class TypePage;
class WizardPage;

// The wizard's one window: it shows one page at a time, with the page's caption as its
// title, and follows the pages' "&Weiter >>" and "<< &Zurück" through the navigation table.
class WizardWindow : public QWidget {
  Q_OBJECT

 public:
  explicit WizardWindow(WizardServices services, QWidget* parent = nullptr);
  ~WizardWindow() override;

  // Shows the first page, after the splash.
  void Begin();
  void ShowPage(PageId page);
  PageId CurrentPage() const { return current_; }
  WizardPage& Page(PageId page) const;

  SizePage& Size() const { return *size_; }
  TypePage& Type() const { return *type_; }
  ShapePage& Shape() const { return *shape_; }
  ProportionsPage& Proportions() const { return *proportions_; }
  SummaryPage& Summary() const { return *summary_; }
  GenerationPage& Generation() const { return *generation_; }
  const WizardServices& Services() const { return services_; }
  // The help of the page whose "&Hilfe" was pressed last; null before the first.
  HelpDialog* Help() const { return help_; }

 signals:
  // "&Abbruch" or "&Ende": the program ends.
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Add(PageId id, WizardPage* page);
  void ShowHelp(PageId id);
  // Makes the window as large as the page asks to be (the generation window asks room for
  // the map at twice its size), as far as the screen allows. It never shrinks: the user
  // may have made it larger.
  void GrowFor(const QWidget& page);

  WizardServices services_;
  QStackedWidget* stack_;
  std::array<WizardPage*, 6> pages_{};
  GenerationPage* generation_;
  SizePage* size_;
  TypePage* type_;
  ShapePage* shape_;
  ProportionsPage* proportions_;
  SummaryPage* summary_;
  HelpDialog* help_ = nullptr;
  PageId current_ = PageId::Size;
  bool close_after_run_ = false;
};

}  // namespace swd::wizard
