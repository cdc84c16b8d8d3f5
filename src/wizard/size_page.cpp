#include "wizard/size_page.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/setting_table.hpp"
#include "wizard/choice_group.hpp"
#include "wizard/page_texts.hpp"
#include "wizard/size_outline_view.hpp"

namespace swd::wizard {

namespace {

// A group of the sizes the table of settings allows for `key`; the button id is the size.
QButtonGroup* SizeChoices(std::string_view key, const QString& caption, QBoxLayout* into,
                          QWidget* page) {
  const SettingRow& row = *FindSetting(key);
  auto* box = new QGroupBox(caption, page);
  auto* grid = new QGridLayout(box);
  auto* group = new QButtonGroup(page);
  int i = 0;
  for (int size = row.lo; size <= row.hi; size += row.step, ++i) {
    auto* choice = new QRadioButton(QString::number(size), box);
    group->addButton(choice, size);
    grid->addWidget(choice, i / 5, i % 5);
  }
  group->button(row.initial)->setChecked(true);
  TabLandsOnTicked(*group);
  into->addWidget(box);
  return group;
}

constexpr QRgb kInselColour = 0x0000ff;    // blue
constexpr QRgb kNoInselColour = 0x00ff00;  // green

}  // namespace

SizePage::SizePage(GeneratorSettings& settings, QWidget* parent)
    : WizardPage(tr("Größe der Landschaft"), parent), settings_(settings) {
  auto* columns = new QHBoxLayout;
  auto* choices = new QVBoxLayout;
  widths_ = SizeChoices("width", tr("Breite"), choices, this);
  heights_ = SizeChoices("height", tr("Höhe"), choices, this);
  choices->addStretch(1);
  columns->addLayout(choices);

  auto* right = new QVBoxLayout;
  outline_ = new SizeOutlineView(this);
  right->addWidget(outline_, 0, Qt::AlignHCenter);
  auto* estimate_row = new QHBoxLayout;
  estimate_row->addWidget(new QLabel(tr("Dateigröße ca."), this));
  estimate_ = new QLabel(kInitialEstimate, this);
  estimate_->setObjectName("Label_Dateigroesse");
  estimate_row->addWidget(estimate_);
  estimate_row->addStretch(1);
  right->addLayout(estimate_row);
  insel_ = new QCheckBox(tr("Insel"), this);
  insel_->setObjectName("Check_Insel");
  insel_->setChecked(settings_.CheckInsel);
  right->addWidget(insel_);
  extended_ = new QCheckBox(tr("Erweiterte Einstellungen"), this);
  extended_->setObjectName("Check_ErwEinst");
  extended_->setChecked(settings_.CheckErwEinst);
  right->addWidget(extended_);
  right->addStretch(1);
  columns->addLayout(right, 1);
  Content()->addLayout(columns);
  Content()->addStretch(1);
  AddButtons(Help | Cancel | Next);

  connect(widths_, &QButtonGroup::idClicked, this, &SizePage::SizeClicked);
  connect(heights_, &QButtonGroup::idClicked, this, &SizePage::SizeClicked);
  connect(insel_, &QCheckBox::toggled, this, [this](bool ticked) {
    settings_.CheckInsel = ticked;
    outline_->SetColour(QColor(ticked ? kInselColour : kNoInselColour));
  });
  connect(extended_, &QCheckBox::toggled, this,
          [this](bool ticked) { settings_.CheckErwEinst = ticked; });

  // Loading the page starts the resource shares from their defaults.
  settings_.ResourceShares = GeneratorSettings{}.ResourceShares;
  outline_->SetColour(QColor(insel_->isChecked() ? kInselColour : kNoInselColour));
}

QAbstractButton* SizePage::WidthChoice(int size) const {
  return widths_->button(size);
}
QAbstractButton* SizePage::HeightChoice(int size) const {
  return heights_->button(size);
}
QString SizePage::EstimateText() const {
  return estimate_->text();
}

void SizePage::SizeClicked() {
  settings_.MapWidth = static_cast<std::int16_t>(widths_->checkedId());
  settings_.MapHeight = static_cast<std::int16_t>(heights_->checkedId());
  estimate_->setText(FileSizeEstimate(settings_.MapWidth, settings_.MapHeight));
  outline_->SetMapSize(settings_.MapWidth, settings_.MapHeight);
}

void SizePage::ShowSettings() {
  widths_->button(settings_.MapWidth)->setChecked(true);
  heights_->button(settings_.MapHeight)->setChecked(true);
  SizeClicked();
  insel_->setChecked(settings_.CheckInsel);
  extended_->setChecked(settings_.CheckErwEinst);
}

void SizePage::LeavePage() {
  settings_.MapWidth = static_cast<std::int16_t>(widths_->checkedId());
  settings_.MapHeight = static_cast<std::int16_t>(heights_->checkedId());
}

}  // namespace swd::wizard
