#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "model/messages.hpp"
#include "wizard/language.hpp"
#include "wizard/message_text.hpp"

namespace swd::wizard {

namespace {

const QString kTranslations = QStringLiteral(SWDGEN_SOURCE_DIR "/src/wizard/translations/");

struct Entry {
  QString source;
  QString translation;
  bool finished = false;
};

// The messages of a Qt Linguist file by context and source text, or by id for id-based
// files.
QMap<QString, Entry> ReadTs(const QString& path) {
  QMap<QString, Entry> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  QXmlStreamReader xml(&file);
  QString context, id;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) {
      if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
        entries.insert(id.isEmpty() ? context + " | " + entry.source : id, entry);
      }
      continue;
    }
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      id = xml.attributes().value("id").toString();
      entry = {};
    } else if (xml.name() == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      const QString type = xml.attributes().value("type").toString();
      entry.translation = xml.readElementText();
      entry.finished = type.isEmpty() && !entry.translation.isEmpty();
    }
  }
  return entries;
}

// %1, %2, ... and the letters after '&' (the accelerators) that a text holds.
QSet<QString> Placeholders(const QString& text) {
  QSet<QString> found;
  for (const auto& m : QRegularExpression("%[1-9]").globalMatch(text))
    found.insert(m.captured());
  return found;
}
int Accelerators(const QString& text) {
  return static_cast<int>(QRegularExpression("&[^&\\s]").globalMatch(text).hasNext() ? 1 : 0);
}

// What is wrong with the English of `source`; empty when nothing is.
QString Problem(const QString& what, const Entry* english, const QString& source) {
  if (english == nullptr) return what + ": no English entry";
  if (!english->finished) return what + ": the English is not finished";
  if (Placeholders(english->translation) != Placeholders(source)) {
    return what + ": the English has other placeholders";
  }
  if (Accelerators(english->translation) != Accelerators(source)) {
    return what + ": the English has no accelerator where the German has one, or the reverse";
  }
  return {};
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryTextOfTheWizardHasItsEnglish() {
    // lupdate finds the texts in the sources as they are now, not as the .ts last saw them.
    QTemporaryDir dir;
    const QString fresh = dir.filePath("found.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(SWDGEN_SOURCE_DIR);
    lupdate.start(SWDGEN_LUPDATE, {"src/wizard", "-I", "src", "-ts", fresh, "-locations", "none",
                                   "-source-language", "de", "-target-language", "en"});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QMap<QString, Entry> found = ReadTs(fresh);
    QVERIFY2(found.size() > 100, "lupdate found next to no texts");
    const QMap<QString, Entry> english = ReadTs(kTranslations + "swdgen_wizard_en.ts");
    QStringList problems;
    for (auto it = found.begin(); it != found.end(); ++it) {
      const auto e = english.find(it.key());
      const QString p = Problem(it.key(), e == english.end() ? nullptr : &*e, it->source);
      if (!p.isEmpty()) problems << p;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  void EveryMessageKeyOfTheCoreHasItsEnglish() {
    const QMap<QString, Entry> english = ReadTs(kTranslations + "swdgen_messages_en.ts");
    QStringList problems;
    for (const MessageEntry& m : kMessageTable) {
      const QString key = QString::fromUtf8(m.name.data(), static_cast<qsizetype>(m.name.size()));
      const QString german =
          QString::fromUtf8(m.german.data(), static_cast<qsizetype>(m.german.size()));
      const auto e = english.find(key);
      QString p = Problem(key, e == english.end() ? nullptr : &*e, german);
      // The .ts names the German it translates: a changed German needs a look at the English.
      if (p.isEmpty() && e->source != german) p = key + ": the German has changed since";
      if (!p.isEmpty()) problems << p;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  void TheProgramSpeaksEnglishWhenAskedAndGermanByDefault() {
    const Message note(MessageKey::SomePlayersPlaced, {Message::Number(2), Message::Number(5)});
    const Message nested(MessageKey::SettingOutOfRange,
                         {Message(MessageKey::SettingSlider, {MessageKey::AnimalFoxes}),
                          Message::Number(30), Message::Number(0), Message::Number(20)});
    QCOMPARE(Text(note), QString("Nur 2 von 5 Spielern konnten platziert werden."));
    QCOMPARE(LanguageOf(QLocale(QLocale::German, QLocale::Austria)), Language::German);
    QCOMPARE(LanguageOf(QLocale(QLocale::French, QLocale::France)), Language::English);
    QCOMPARE(LanguageNamed("en"), std::optional<Language>(Language::English));
    QCOMPARE(LanguageNamed("fr"), std::nullopt);

    // The English is built into the program.
    QVERIFY(UseLanguage(*QCoreApplication::instance(), Language::English));
    QCOMPARE(Text(note), QString("Only 2 of 5 players could be placed."));
    QCOMPARE(Text(nested), QString("The slider “Foxes” is set to 30; possible are 0 to 20."));
    QCOMPARE(QCoreApplication::translate("swd::wizard::WizardPage", "&Weiter >>"),
             QString("&Next >>"));
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::TranslationsTest)
#include "translations_test.moc"
