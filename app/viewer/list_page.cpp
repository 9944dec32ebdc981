#include "list_page.h"

#include <QWebEngineScript>

#include "html_view.h"
#include "utf8.h"

namespace {

// The entry lines of the list: the lines between the <br>s of the paragraph after the title,
// blank lines (the group breaks) left out, each with its text as shown.
constexpr auto kFindEntries = R"(
function ulnikEntries() {
  const title = [...document.querySelectorAll('p')].find(p => p.getAttribute('align') === 'center');
  let list = null;
  for (let p = title ? title.nextElementSibling : null; p && !list; p = p.nextElementSibling)
    if (p.tagName === 'P' && p.querySelector(':scope > br')) list = p;
  if (!list) return [];
  const entries = [];
  let nodes = [];
  for (const node of [...list.childNodes]) {
    if (node.nodeName !== 'BR') { nodes.push(node); continue; }
    const text = nodes.map(n => n.textContent).join('').replace(/\s+/g, ' ').trim();
    if (text) entries.push({nodes, text});
    nodes = [];
  }
  return entries;
}
)";

// Each line in a span of its own, for the pointer; a span without a style of its own changes
// nothing else on the page.
constexpr auto kMarkEntries = R"(
(function() {
  for (const entry of ulnikEntries()) {
    const first = entry.nodes[0];
    if (entry.nodes.length === 1 && first.className === 'ulnik-entry') continue;
    const span = document.createElement('span');
    span.className = 'ulnik-entry';
    span.style.cursor = 'pointer';
    first.parentNode.insertBefore(span, first);
    for (const node of entry.nodes) span.appendChild(node);
  }
})();
)";

// The entry whose line lies at the height y: the whole width of the line is its target.
constexpr auto kEntryAt = R"(
(function(y) {
  const entries = ulnikEntries();
  for (let i = 0; i < entries.length; ++i) {
    const range = document.createRange();
    range.setStartBefore(entries[i].nodes[0]);
    range.setEndAfter(entries[i].nodes[entries[i].nodes.length - 1]);
    for (const box of range.getClientRects())
      if (box.height > 0 && y >= box.top && y < box.bottom) return [i, entries[i].text];
  }
  return [-1, ''];
})(%1);
)";

// The shown text of a line as the list writes it.
QString ShownText(const std::string& line)
{
    return QString::fromStdString(AnsiToUtf8(" - " + line)).simplified();
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
    QString script = QString::fromLatin1(kFindEntries) + QString::fromLatin1(kMarkEntries);
    if (scrollTo_)
        script += QStringLiteral("window.scrollTo(%1, %2);").arg(scrollTo_->x()).arg(scrollTo_->y());
    scrollTo_.reset();
    view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void ListPage::Pressed(QPoint pos)
{
    if (!Shown())
        return;
    const double y = pos.y() / view_->zoomFactor();
    const QString script = QString::fromLatin1(kFindEntries) + QString::fromLatin1(kEntryAt).arg(y);
    view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [this](const QVariant& answer) {
        const QVariantList found = answer.toList();
        if (!Shown() || found.size() != 2)
            return;
        const int index = found[0].toInt();
        // A report's values reach the page unescaped and can bend its lines: only a line that
        // reads as its entry opens that entry's report.
        if (index < 0 || index >= int(state_.FolderSummary.size()) || index >= int(state_.FolderFiles.size()) ||
            found[1].toString() != ShownText(state_.FolderSummary[size_t(index)]))
            return;
        emit EntryClicked(index);
    });
}
