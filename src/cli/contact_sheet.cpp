#include "cli/contact_sheet.hpp"

#include <cstdio>
#include <sstream>
#include <system_error>

#include "cli/analysis_output.hpp"
#include "cli/html_text.hpp"
#include "model/terrain.hpp"

namespace swd::cli {

namespace {

// The folder of the maps as seen from the sheet's folder, so that the links still work when
// both are moved together.
std::filesystem::path MapsFromSheet(const std::filesystem::path& maps_folder,
                                    const std::filesystem::path& sheet) {
  std::error_code ec;
  auto full = [&](const std::filesystem::path& folder) {
    const std::filesystem::path absolute =
        std::filesystem::absolute(folder.empty() ? "." : folder, ec);
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : canonical;
  };
  const std::filesystem::path relative =
      full(maps_folder).lexically_relative(full(sheet.parent_path()));
  return relative.empty() ? full(maps_folder) : relative;
}

std::string Link(const std::filesystem::path& folder, const std::filesystem::path& file) {
  const std::filesystem::path path = folder == "." ? file.filename() : folder / file.filename();
  return HtmlText(UrlPath(path));
}

// German decimals, all of them shown so that the figures line up: 0,870.
std::string Decimal(double value, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return WithDecimalComma(buf);
}

constexpr const char* kStyle = R"(
body { font-family: system-ui, sans-serif; margin: 1.5em; background: #f4f1ea; color: #222; }
h1 { font-size: 1.4em; margin: 0 0 .2em; }
.about { margin: 0 0 .8em; color: #555; }
.warn { color: #a00; font-weight: bold; }
.sort button { font: inherit; padding: .2em .8em; margin-right: .4em; border: 1px solid #888;
  border-radius: 4px; background: #fff; cursor: pointer; }
.sort button[aria-pressed="true"] { background: #2d5a27; color: #fff; border-color: #2d5a27; }
#maps { display: flex; flex-wrap: wrap; gap: 14px; margin-top: 1em; }
figure { margin: 0; width: 280px; background: #fff; border: 1px solid #ccc; border-radius: 6px;
  padding: 6px; box-shadow: 0 1px 3px rgba(0,0,0,.15); }
figure img { display: block; width: 100%; height: auto; image-rendering: auto; }
figcaption { font-size: .9em; margin-top: .4em; line-height: 1.5; }
figcaption div { display: flex; justify-content: space-between; align-items: center;
  gap: .5em; white-space: nowrap; }
.seed { font-weight: bold; }
.short { color: #a00; font-weight: bold; }
.bar { flex: 1; height: .7em; background: #ddd; border-radius: 3px; overflow: hidden; }
.bar span { display: block; height: 100%; background: #3b7d2f; }
div.files { justify-content: flex-start; gap: .8em; }
div.code { font-family: ui-monospace, monospace; user-select: all; justify-content: flex-start; }
)";

constexpr const char* kScript = R"(
(function () {
  var maps = document.getElementById('maps');
  var buttons = document.querySelectorAll('.sort button');
  var current = { key: 'order', descending: false };
  function value(card, key) {
    var v = card.getAttribute('data-' + key);
    return v === '' ? null : Number(v);
  }
  function sort(key, descending) {
    var cards = Array.prototype.slice.call(maps.children);
    cards.sort(function (a, b) {
      // By fairness as --best-of chooses: more players placed first, then the fairer starts.
      var keys = key === 'fairness' ? ['players', 'fairness'] : [key];
      for (var i = 0; i < keys.length; ++i) {
        var x = value(a, keys[i]), y = value(b, keys[i]);
        if (x === y) continue;
        if (x === null || y === null) return x === null ? 1 : -1;
        return descending ? y - x : x - y;
      }
      return value(a, 'order') - value(b, 'order');
    });
    cards.forEach(function (card) { maps.appendChild(card); });
    buttons.forEach(function (button) {
      var on = button.getAttribute('data-key') === key;
      button.setAttribute('aria-pressed', on ? 'true' : 'false');
      button.querySelector('.dir').textContent = on ? (descending ? ' \u2193' : ' \u2191') : '';
    });
    current = { key: key, descending: descending };
  }
  buttons.forEach(function (button) {
    button.addEventListener('click', function () {
      var key = button.getAttribute('data-key');
      // A first click shows the fairest maps first and the seeds in their order.
      sort(key, key === current.key ? !current.descending : key === 'fairness');
    });
  });
})();
)";

void WriteCard(std::ostream& out, const BatchMap& m, std::size_t order,
               const std::filesystem::path& folder) {
  const std::string seed = std::to_string(m.seed);
  out << "<figure data-order=\"" << order << "\" data-players=\"" << m.players_placed
      << "\" data-fairness=\"" << (m.fairness ? FormatNumber(m.fairness->index, 4) : "") << "\">\n";
  const std::string image = "<img src=\"" + DataUri("image/png", m.thumbnail.png) + "\" width=\"" +
                            std::to_string(m.thumbnail.width) + "\" height=\"" +
                            std::to_string(m.thumbnail.height) + "\" alt=\"" +
                            HtmlText("Karte mit Startwert " + seed) + "\">";
  if (m.picture) {
    out << "<a href=\"" << Link(folder, *m.picture) << "\">" << image << "</a>\n";
  } else {
    out << image << '\n';
  }
  out << "<figcaption><div><span class=\"seed\">Startwert " << HtmlText(seed) << "</span>"
      << "<span class=\"players" << (m.players_placed < m.players_requested ? " short" : "")
      << "\" title=\""
      << HtmlText(std::to_string(m.players_placed) + " von " + std::to_string(m.players_requested) +
                  " Spielern platziert")
      << "\">" << m.players_placed << "/" << m.players_requested << " Spieler</span></div>\n"
      << "<div><span class=\"bar\"><span style=\"width:"
      << (m.fairness ? FormatNumber(100 * m.fairness->index, 1) : "0") << "%\"></span></span>"
      << "<span>Fairness " << (m.fairness ? Decimal(m.fairness->index, 3) : "\u2013")
      << "</span></div>\n<div class=\"code\" title=\"Kartencode\">" << HtmlText(m.code)
      << "</div>\n<div class=\"files\"><a href=\"" << Link(folder, m.map) << "\">"
      << HtmlText(m.map.filename().string()) << "</a><a href=\"" << Link(folder, m.bitmap)
      << "\">.bmp</a>";
  if (m.picture) out << "<a href=\"" << Link(folder, *m.picture) << "\">.png</a>";
  out << "</div></figcaption>\n</figure>\n";
}

}  // namespace

std::string ContactSheetHtml(const BatchReport& report, const std::filesystem::path& sheet) {
  const GenerateRequest& r = report.request;
  const GeneratorSettings& s = r.settings;
  const std::filesystem::path folder = MapsFromSheet(report.names.folder, sheet);
  const std::string heading =
      report.names.name + ": " + std::to_string(report.maps.size()) + " Karten";
  const std::uint32_t last_seed =
      report.first_seed + static_cast<std::uint32_t>(r.count > 0 ? r.count - 1 : 0);
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      << "<title>" << HtmlText(heading) << "</title>\n<style>" << kStyle << "</style>\n"
      << "</head>\n<body>\n<h1>" << HtmlText(heading) << "</h1>\n<p class=\"about\">"
      << HtmlText("\u201E" + r.title + "\u201C \u00B7 " + std::to_string(s.MapWidth) + " \u00D7 " +
                  std::to_string(s.MapHeight) + " \u00B7 " + LandscapeTypeName(s.LandscapeType) +
                  " \u00B7 " + std::to_string(s.PlayerCount) + " Spieler \u00B7 Startwerte " +
                  std::to_string(report.first_seed) + " bis " + std::to_string(last_seed))
      << "</p>\n";
  if (!report.complete) {
    out << "<p class=\"warn\">"
        << HtmlText("Abgebrochen: " + std::to_string(report.maps.size()) + " von " +
                    std::to_string(r.count) + " Karten geschrieben.")
        << "</p>\n";
  }
  out << "<p class=\"sort\">Sortieren nach "
      << "<button type=\"button\" data-key=\"fairness\" aria-pressed=\"false\">Fairness"
      << "<span class=\"dir\"></span></button>"
      << "<button type=\"button\" data-key=\"order\" aria-pressed=\"true\">Startwert"
      << "<span class=\"dir\"> \u2191</span></button></p>\n<main id=\"maps\">\n";
  for (std::size_t i = 0; i < report.maps.size(); ++i)
    WriteCard(out, report.maps[i], i, folder);
  out << "</main>\n<script>" << kScript << "</script>\n</body>\n</html>\n";
  return out.str();
}

}  // namespace swd::cli
