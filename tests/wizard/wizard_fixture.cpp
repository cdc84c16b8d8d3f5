#include "wizard_fixture.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "shape/bmp_maker.hpp"

namespace swd::wizard::test {

TestWizard::TestWizard(std::shared_ptr<QSettings> settings) {
  services.program_folder = folder.path();
  services.settings = std::move(settings);
  services.choose_picture = [this](QWidget*, const QString& start) {
    ++picture_dialogs;
    picture_starts << start;
    return picture_answers.isEmpty() ? QString() : picture_answers.takeFirst();
  };
  services.choose_folder = [this](QWidget*, const QString&) {
    return folder_answers.isEmpty() ? QString() : folder_answers.takeFirst();
  };
  // Every run without a "Startwert" is the command line's with seed 4, whose 32 x 32
  // island holds a player: no question about a map without players comes before the
  // save dialog.
  services.draw_seed = [] { return 4u; };
  window = std::make_unique<WizardWindow>(services);
  window->Begin();
}

QString TestWizard::Picture(const QString& name, int width, int height) {
  const QString path = QDir(pictures.path()).filePath(name);
  const auto bytes = swd::test::MakeBmp(swd::test::BmpLayout{width, height},
                                        [](int x, int y) { return (x + y) % 2 == 0 ? 0 : 255; });
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return path;
}

struct WhenShown::Watch {
  QTimer timer;
  bool done = false;
};

WhenShown::WhenShown(QWidget& widget, std::function<void()> action)
    : watch_(std::make_unique<Watch>()) {
  Watch* w = watch_.get();
  QObject::connect(&w->timer, &QTimer::timeout, &widget, [w, &widget, action] {
    if (w->done || !widget.isVisible()) return;
    w->done = true;
    w->timer.stop();
    action();
    // A check that failed inside the modal loop returned early: end the loop rather than
    // wait for the test's time limit.
    if (QTest::currentTestFailed() && widget.isVisible()) widget.close();
  });
  w->timer.start(5);
}

WhenShown::~WhenShown() = default;

bool WhenShown::Done() const {
  return watch_->done;
}

void OnNextMessageBox(std::function<void(QMessageBox&)> action) {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->deleteLater();
    poll->stop();
    action(*box);
    if (QTest::currentTestFailed() && box->isVisible()) box->close();
  });
  poll->start(5);
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace swd::wizard::test
