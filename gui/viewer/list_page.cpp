#include "list_page.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineScript>

#include "html_view.h"
#include "utf8.h"

namespace {

// The text lines of the list: the lines between the <br>s of the paragraph after the title,
// blank lines (the group breaks) left out, each with its text as shown.
constexpr auto kFindLines = R"(
function ulnikLines() {
  const title = [...document.querySelectorAll('p')].find(p => p.getAttribute('align') === 'center');
  let list = null;
  for (let p = title ? title.nextElementSibling : null; p && !list; p = p.nextElementSibling)
    if (p.tagName === 'P' && p.querySelector(':scope > br')) list = p;
  if (!list) return [];
  const lines = [];
  let nodes = [];
  for (const node of [...list.childNodes]) {
    if (node.nodeName !== 'BR') { nodes.push(node); continue; }
    const text = nodes.map(n => n.textContent).join('').replace(/\s+/g, ' ').trim();
    if (text) lines.push({nodes, text});
    nodes = [];
  }
  return lines;
}
)";

// The program knows the text of every entry, in order; a line is an entry only where it reads
// as one. A report's values reach the page unescaped and can add or split lines, so a line that
// reads as no entry is passed over, and the ones after it are still found. Each entry found is
// kept in a span of its own, for the pointer; the entries themselves are kept in this script
// world, which the page cannot reach, so no markup of a report can pass for an entry.
constexpr auto kMarkEntries = R"(
(function(expected) {
  ulnikFound = [];
  let next = 0;
  for (const line of ulnikLines()) {
    const index = expected.indexOf(line.text, next);
    if (index < 0) continue;
    next = index + 1;
    const span = document.createElement('span');
    span.className = 'ulnik-entry';
    span.style.cursor = 'pointer';
    line.nodes[0].parentNode.insertBefore(span, line.nodes[0]);
    for (const node of line.nodes) span.appendChild(node);
    ulnikFound.push({index, span});
  }
})(%1);
)";

// The entry whose line lies at the height y: the whole width of the line is its target.
constexpr auto kEntryAt = R"(
(function(y) {
  for (const entry of (typeof ulnikFound === 'undefined' ? [] : ulnikFound))
    for (const box of entry.span.getClientRects())
      if (box.height > 0 && y >= box.top && y < box.bottom) return entry.index;
  return -1;
})(%1);
)";

// The shown text of a line as the list writes it.
QString ShownText(const std::string& line)
{
    return QString::fromStdString(AnsiToUtf8(" - " + line)).simplified();
}

QString ExpectedEntries(const std::vector<std::string>& lines)
{
    QJsonArray texts;
    for (const std::string& line : lines)
        texts.append(ShownText(line));
    return QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact));
}

}  // namespace

ListPage::ListPage(HtmlView* view, const ProgramState& state, QObject* parent)
    : QObject(parent), view_(view), state_(state)
{
    connect(view_, &HtmlView::LeftPressed, this, &ListPage::Pressed);
    connect(&watch_, &FolderWatch::Changed, this, &ListPage::FolderChanged);
}

void ListPage::Showing(const QString& folder, QPointF scroll)
{
    watch_.Watch(folder);
    scrollTo_ = scroll;
}

void ListPage::Left()
{
    watch_.Stop();
    scrollTo_.reset();
}

QPointF ListPage::ScrollPosition() const
{
    return view_->page()->scrollPosition();
}

void ListPage::PageLoaded()
{
    if (!Shown())
        return;
    QString script = QString::fromLatin1(kFindLines) + QString::fromLatin1(kMarkEntries).arg(ExpectedEntries(state_.FolderSummary));
    if (scrollTo_)
        script += QStringLiteral("window.scrollTo(%1, %2);").arg(scrollTo_->x()).arg(scrollTo_->y());
    scrollTo_.reset();
    view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void ListPage::SetWatchPaused(bool paused)
{
    watch_.SetPaused(paused);
}

void ListPage::Pressed(QPoint pos)
{
    if (!Shown())
        return;
    const double y = pos.y() / view_->zoomFactor();
    view_->page()->runJavaScript(QString::fromLatin1(kEntryAt).arg(y), QWebEngineScript::ApplicationWorld,
                                 [this](const QVariant& answer) {
                                     const int index = answer.toInt();
                                     if (Shown() && index >= 0 && index < int(state_.FolderFiles.size()))
                                         emit EntryClicked(index);
                                 });
}
