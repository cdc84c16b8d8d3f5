#include "wizard/choice_group.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>

namespace swd::wizard {

namespace {

class TabToTicked : public QObject {
 public:
  explicit TabToTicked(QButtonGroup& group) : QObject(&group), group_(group) {
    for (QAbstractButton* button : group.buttons())
      button->installEventFilter(this);
    connect(&group, &QButtonGroup::buttonToggled, this, &TabToTicked::Update);
    Update();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Qt hands Tab to the button that had the focus last; once the focus has left the
    // group, that is the ticked one again.
    if (event->type() == QEvent::FocusOut) Update();
    return QObject::eventFilter(watched, event);
  }

 private:
  void Update() {
    const QAbstractButton* ticked = group_.checkedButton();
    if (ticked == nullptr) return;
    for (QAbstractButton* button : group_.buttons())
      button->setFocusPolicy(button == ticked ? Qt::StrongFocus : Qt::ClickFocus);
  }

  QButtonGroup& group_;
};

}  // namespace

void TabLandsOnTicked(QButtonGroup& group) {
  new TabToTicked(group);
}

}  // namespace swd::wizard
