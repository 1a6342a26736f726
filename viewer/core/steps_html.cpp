// The steps report as one HTML document: styles inline, no scripts, nothing fetched. Each session
// is a heading; each step a row of number, time and text, the text indented by its nesting.
// Markers and exceptions are coloured and flagged so that they stand out on paper too.

#include <string_view>

#include "viewer/core/html_text.h"
#include "viewer/core/steps_layout.h"

namespace {

constexpr std::string_view kStyle = R"(
:root { color-scheme: light; }
body { font: 15px/1.45 "DejaVu Sans", "Segoe UI", Arial, sans-serif; color: #1d232a;
  background: #fff; max-width: 64rem; margin: 2rem auto; padding: 0 1.5rem; }
h1 { font-size: 1.6rem; margin: 0 0 .3rem; }
p.about { color: #555; margin: 0 0 .2rem; overflow-wrap: anywhere; }
h2 { font-size: 1.1rem; margin: 1.8rem 0 .3rem; padding: .4rem .7rem; background: #e9f0fb;
  border-left: 5px solid #2b5fb3; break-after: avoid; overflow-wrap: anywhere; }
div.step { display: grid; grid-template-columns: 5.2em 6.4em 1fr; column-gap: .8em;
  padding: .22em .7em; border-bottom: 1px solid #e6e8eb; break-inside: avoid; }
div.step > span.number { text-align: right; color: #59616b; font-weight: 600; white-space: nowrap; }
div.step > span.time { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: .9em;
  color: #59616b; padding-top: .1em; white-space: nowrap; }
div.step > span.text { padding-left: calc((var(--level, 1) - 1) * 1.6em); overflow-wrap: anywhere; }
div.section > span.text { font-weight: 700; color: #7a1f1f; }
div.end > span.text { color: #6b7280; font-style: italic; }
div.marker { background: #eef8f0; }
div.marker > span.text { color: #146c2e; font-weight: 600; }
div.exception { background: #fdeaea; box-shadow: inset 5px 0 0 #c62828; }
div.exception > span.text { color: #a31515; font-weight: 700; }
div.marker > span.text::before { content: "\25B6\FE0E  "; }
div.exception > span.text::before { content: "\26A0\FE0E  "; }
@media print {
  body { font-size: 10pt; max-width: none; margin: 0; padding: 0; }
  h2 { background: none; border-left-color: #000; }
  div.step { border-bottom-color: #ccc; }
  div.marker, div.exception { print-color-adjust: exact; -webkit-print-color-adjust: exact; }
  @page { margin: 15mm; }
}
)";

void Begin(const std::string& logFile, std::string& out) {
  const std::string title = HtmlText(StepsTitle(logFile));
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
  out += "<title>" + title + "</title>\n<style>";
  out += kStyle;
  out += "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
  if (!logFile.empty()) out += "<p class=\"about\">Log: " + HtmlText(logFile) + "</p>\n";
  out += "<p class=\"about\">" + HtmlText(kStepsReadingNote) + "</p>\n";
}

const char* RowClass(TStepKind kind) {
  switch (kind) {
    case TStepKind::skMarker:
      return "step marker";
    case TStepKind::skException:
      return "step exception";
    case TStepKind::skSectionEnter:
      return "step section";
    case TStepKind::skSectionLeave:
    case TStepKind::skSessionEnd:
      return "step end";
    case TStepKind::skAction:
    case TStepKind::skSessionStart:
      break;
  }
  return "step";
}

void Line(const TStepLine& line, std::string& out) {
  const std::string text = HtmlText(StepLineText(line));
  if (line.Kind == TStepKind::skSessionStart) {
    out += "<h2>" + text + "</h2>\n";
    return;
  }
  out += "<div class=\"";
  out += RowClass(line.Kind);
  out += "\" style=\"--level:" + std::to_string(line.Level) + "\"><span class=\"number\">";
  if (line.Number > 0) out += "Step " + std::to_string(line.Number);
  out += "</span><span class=\"time\">" + line.Time + "</span><span class=\"text\">" + text +
         "</span></div>\n";
}

void End(std::string& out) { out += "</body>\n</html>\n"; }

}  // namespace

const TStepsLayout kHtmlStepsLayout = {Begin, Line, End};
