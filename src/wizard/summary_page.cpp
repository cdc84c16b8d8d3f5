#include "wizard/summary_page.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "wizard/summary_texts.hpp"

namespace swd::wizard {

SummaryPage::SummaryPage(const GeneratorSettings& settings, QWidget* parent)
    : WizardPage(tr("Eigenschaften der zu generierenden Landschaft"), parent), settings_(settings) {
  const QString captions[3] = {tr("Allgemeines"), tr("Rohstoffvorkommen"),
                               tr("Geländetypen (Anzahl/Größe)")};
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    auto* box = new QGroupBox(captions[i], this);
    auto* layout = new QVBoxLayout(box);
    groups_[i] = new QLabel(box);
    groups_[i]->setTextFormat(Qt::PlainText);
    groups_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(groups_[i]);
    if (i < 2) {
      left->addWidget(box);
    } else {
      auto* right = new QVBoxLayout;
      right->addWidget(box);
      right->addStretch(1);
      columns->addLayout(left, 1);
      columns->addLayout(right, 1);
    }
  }
  left->addStretch(1);
  Content()->addLayout(columns);
  AddButtons(Back | Cancel | Next);
}

void SummaryPage::Activate() {
  const SummaryTexts t = BuildSummary(settings_);
  groups_[0]->setText(t.general.join('\n'));
  groups_[1]->setText(t.resources.join('\n'));
  groups_[2]->setText(t.terrain.join('\n'));
}

QString SummaryPage::GroupText(int group) const {
  return groups_[group]->text();
}

}  // namespace swd::wizard
