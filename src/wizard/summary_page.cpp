#include "wizard/summary_page.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "wizard/summary_texts.hpp"

namespace swd::wizard {

SummaryPage::SummaryPage(const GeneratorSettings& settings, std::function<QString()> code,
                         QWidget* parent)
    : WizardPage(tr("Eigenschaften der zu generierenden Landschaft"), parent),
      settings_(settings),
      code_(std::move(code)) {
  const QString captions[4] = {tr("Allgemeines"), tr("Rohstoffvorkommen"),
                               tr("Geländetypen (Anzahl/Größe)"), tr("Weitere Einstellungen")};
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  for (int i = 0; i < 4; ++i) {
    auto* box = new QGroupBox(captions[i], this);
    auto* layout = new QVBoxLayout(box);
    groups_[i] = new QLabel(box);
    groups_[i]->setTextFormat(Qt::PlainText);
    groups_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(groups_[i]);
    (i == 2 ? right : left)->addWidget(box);
  }
  left->addStretch(1);
  right->addStretch(1);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  Content()->addLayout(columns);
  code_label_ = new QLabel(this);
  code_label_->setObjectName("Label_Kartencode");
  code_label_->setTextFormat(Qt::PlainText);
  code_label_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Content()->addWidget(code_label_);
  AddButtons(Back | Cancel | Next);
}

void SummaryPage::Activate() {
  const SummaryTexts t = BuildSummary(settings_);
  groups_[0]->setText(t.general.join('\n'));
  groups_[1]->setText(t.resources.join('\n'));
  groups_[2]->setText(t.terrain.join('\n'));
  groups_[3]->setText(t.more.join('\n'));
  code_label_->setText(tr("Kartencode: %1").arg(code_()));
}

QString SummaryPage::GroupText(int group) const {
  return groups_[group]->text();
}

}  // namespace swd::wizard
