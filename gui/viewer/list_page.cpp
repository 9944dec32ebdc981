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
// kept in a span of its own, for the pointer, the keys and screen readers, which see a link;
// the entries themselves are kept in this script world, which the page cannot reach, so no
// markup of a report can pass for an entry. A screen reader that moves the focus to an entry
// moves the keys' mark there (Qt 6.4 offers screen readers only that action on a page: Enter
// then opens it); one that clicks it, a click no pointer made, follows the program's own
// address for the entry, which only this world knows.
constexpr auto kMarkEntries = R"(
function ulnikMark(at) {
  if (ulnikFocus >= 0 && ulnikFocus !== at) ulnikFound[ulnikFocus].span.style.outline = '';
  ulnikFocus = at;
  ulnikFound[at].span.style.outline = '2px solid #d9a20b';
}
(function(expected, address) {
  ulnikFound = [];
  ulnikFocus = -1;
  let next = 0;
  for (const line of ulnikLines()) {
    const index = expected.indexOf(line.text, next);
    if (index < 0) continue;
    next = index + 1;
    const span = document.createElement('span');
    span.className = 'ulnik-entry';
    span.style.cursor = 'pointer';
    span.setAttribute('role', 'link');
    span.tabIndex = -1;
    span.addEventListener('click', (event) => {
      if (event.detail === 0) location.href = 'file://' + address + '/' + index;
    });
    const at = ulnikFound.length;
    span.addEventListener('focus', () => ulnikMark(at));
    line.nodes[0].parentNode.insertBefore(span, line.nodes[0]);
    for (const node of line.nodes) span.appendChild(node);
    ulnikFound.push({index, span});
  }
})(%1, %2);
)";

// The keys' mark moves to the next (step 1) or the previous entry (-1), round the list's ends,
// drawn in the skin's gold and scrolled into view; the entry's index, or -1 with none.
constexpr auto kMoveFocus = R"(
(function(step) {
  const found = typeof ulnikFound === 'undefined' ? [] : ulnikFound;
  if (!found.length) return -1;
  ulnikMark(ulnikFocus < 0 ? (step > 0 ? 0 : found.length - 1) : (ulnikFocus + step + found.length) % found.length);
  const span = found[ulnikFocus].span;
  span.focus({preventScroll: true});
  span.scrollIntoView({block: 'nearest'});
  return found[ulnikFocus].index;
})(%1);
)";

// The entry the keys' mark is on, or -1.
constexpr auto kFocusedEntry = R"(
(typeof ulnikFound === 'undefined' || ulnikFocus < 0) ? -1 : ulnikFound[ulnikFocus].index;
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
    connect(view_, &HtmlView::ListKeyPressed, this, &ListPage::KeyPressed);
    connect(view_->Page(), &ReportPage::EntryFollowed, this, &ListPage::Open);
    connect(&watch_, &FolderWatch::Changed, this, &ListPage::FolderChanged);
}

void ListPage::Showing(const QString& folder, QPointF scroll)
{
    watch_.Watch(folder);
    scrollTo_ = scroll;
}

void ListPage::Left()
{
    view_->SetListKeys(false);
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
    const QString address = QString::fromUtf8(QJsonDocument(QJsonArray{view_->Page()->EntryAddress()}).toJson(QJsonDocument::Compact));
    QString script = QString::fromLatin1(kFindLines) +
                     QString::fromLatin1(kMarkEntries).arg(ExpectedEntries(state_.FolderSummary), address + QStringLiteral("[0]"));
    if (scrollTo_)
        script += QStringLiteral("window.scrollTo(%1, %2);").arg(scrollTo_->x()).arg(scrollTo_->y());
    scrollTo_.reset();
    view_->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    view_->SetListKeys(true);
}

void ListPage::KeyPressed(ListKey key)
{
    if (!Shown())
        return;
    if (key != ListKey::Open) {
        const int step = key == ListKey::Next ? 1 : -1;
        view_->page()->runJavaScript(QString::fromLatin1(kMoveFocus).arg(step), QWebEngineScript::ApplicationWorld);
        return;
    }
    view_->page()->runJavaScript(QString::fromLatin1(kFocusedEntry), QWebEngineScript::ApplicationWorld,
                                 [this](const QVariant& answer) { Open(answer.toInt()); });
}

void ListPage::Open(int index)
{
    if (Shown() && index >= 0 && index < int(state_.FolderFiles.size()))
        emit EntryClicked(index);
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
                                 [this](const QVariant& answer) { Open(answer.toInt()); });
}
