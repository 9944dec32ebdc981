'use strict';
// The page around the core: it hands the files the user gives it to the pipeline (through the
// module's memory file system), shows the pages the pipeline writes in a frame that runs
// nothing and loads nothing, and does what the desktop window does around them: messages,
// the list and the way back to it, copying, printing and help. Commands run one at a time.
(() => {
  const $ = (id) => document.getElementById(id);
  const frame = $('strona');
  const helpFrame = $('strona-pomocy');
  const curtain = $('zaslona');
  const pageText = new TextDecoder('windows-1250');

  // The pipeline's outcomes (ReportOutcome and ListOutcome start alike), the page's own
  // messages (ulnik_say) and the dialog's icons.
  const SHOWN = 0;
  const DAMAGED = 2;
  const NO_PAGE_TO_COPY = 0;
  const COPY_FAILED = 1;
  const FILE_CHANGED = 2;
  const PRINTOUT_FAILED = 3;
  const COMBINED = 0;    // the school's pages (ulnik_school_page)
  const SUMMARY = 1;
  const CHECK = 2;
  // The school's pages that have a table to download: the core's export and the file's name.
  const TABLES = {
    [SUMMARY]: ['_ulnik_summary_table', 'wyniki_klasyfikacji.csv'],
    [CHECK]: ['_ulnik_check_table', 'sprawdzenie_plikow.csv'],
  };
  const CLOSED = 0;      // the dialog's answers: closed, or the check it offered taken
  const CHECK_TAKEN = 1;
  const ICONS = {1: 'informacja', 3: 'uwaga'};

  let core = null;
  let said = [];         // [icon, text] of the messages of the core call under way
  let written = null;    // the page it wrote
  let shown = false;     // a page stands in the frame
  let list = null;       // while the list is shown: its folder and the entries found on it
  let returnTo = null;   // the list a report or a school page was opened over: {folder, scroll}
  let school = null;     // while a school page is shown: its folder and kind
  let atHand = null;     // the folder the user named last, which the school's pages are of
  let pickingFor = null; // the school page the folder being chosen is for; null: for its list
  let table = null;      // the table the core handed over last
  let tableUrl = null;   // the download made of it
  let serial = 0;        // names a folder of the file system for each file or folder given
  const chosen = new Map();  // path in the file system → the browser's file (or its handle), for Ponów
  const live = new Map();    // folder in the file system → {handle, state} of a live folder
  const snapshots = new Map();  // folder in the file system → when the snapshot was given
  let closeDialog = null;

  // ---- the core ----------------------------------------------------------------------------

  async function loadCore() {
    const packed = Uint8Array.from(atob($('modul').textContent.trim()), (c) => c.charCodeAt(0));
    const inflated = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    core = await UlnikCore({
      wasmBinary: await new Response(inflated).arrayBuffer(),
      onPage: (bytes) => { written = bytes; },
      onMessage: (icon, text) => { said.push([icon, pageText.decode(text)]); },
      onTable: (bytes) => { table = bytes; },
    });
  }

  function withText(text, use) {
    const size = core.lengthBytesUTF8(text) + 1;
    const at = core._malloc(size);
    try {
      core.stringToUTF8(text, at, size);
      return use(at, size - 1);
    } finally {
      core._free(at);
    }
  }

  // Runs one call of the core, then shows the page it wrote (and runs `onShown` on it) and
  // then its messages, as the desktop shows a message over the page it has opened. `offer`
  // gives, for the outcome, what the message offers to do instead of closing, or nothing.
  async function call(run, onShown, offer = () => null) {
    said = [];
    written = null;
    const outcome = run();
    const page = written;
    const messages = said;
    if (page) {
      await show(page);
      if (onShown) onShown(outcome);
    }
    const offered = offer(outcome);
    for (const [icon, text] of messages)
      if ((await tell(icon, text, !!offered)) === CHECK_TAKEN) await offered();
    return outcome;
  }

  let queue = Promise.resolve();
  function command(run) {
    queue = queue.then(async () => {
      if (!core) return;
      document.body.dataset.stan = 'pracuje';
      try {
        await run();
      } catch (error) {
        console.error(error);
      } finally {
        commandsShown();
        document.body.dataset.stan = 'gotowy';
      }
    });
  }

  // The text of one of the page's own messages, for a place other than the dialog.
  function coreText(what) {
    const before = said;
    said = [];
    try {
      core._ulnik_say(what);
      return said.length ? said[0][1] : '';
    } finally {
      said = before;
    }
  }

  function currentReport() { return core.UTF8ToString(core._ulnik_current_report()); }

  // ---- files into the file system ---------------------------------------------------------

  // Each file or folder given has a folder of the file system of its own; a folder given is
  // put in one named as it is, which the school's pages name.
  function newFolder(name = '') {
    const folder = '/p' + ++serial;
    core.FS.mkdir(folder);
    if (!name || name === '.' || name === '..') return folder;
    core.FS.mkdir(folder + '/' + name);
    return folder + '/' + name;
  }

  // A file over the pipeline's limit is refused unread, as on the desktop: the file system
  // gives its size alone. One the browser will not read stands there unreadable, so that the
  // pipeline says what it says of any file it cannot open; false then. `source` is the file
  // the browser gave, or the handle of a live folder's file, read now; `known` what was read
  // of it already: {file, bytes}.
  async function put(path, source, known = {}) {
    const FS = core.FS;
    if (FS.analyzePath(path).exists) FS.unlink(path);
    chosen.set(path, source);
    let {file = source, bytes} = known;
    try {
      if (!known.file && source.getFile) file = await source.getFile();
      if (file.size > core._ulnik_max_report_size()) {
        FS.writeFile(path, new Uint8Array(0));
        FS.lookupPath(path).node.usedBytes = file.size;
        return true;
      }
      if (!bytes) bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      FS.writeFile(path, new Uint8Array(0));
      FS.chmod(path, 0);
      return false;
    }
    FS.writeFile(path, bytes);
    return true;
  }

  // A folder's files are read as one: a thousand reads of their own take several times as
  // long. When one of them cannot be read, nothing is had this way and each is read alone.
  async function contentsOf(files) {
    const small = files.filter((file) => file.size <= core._ulnik_max_report_size());
    const contents = new Map();
    try {
      const all = new Uint8Array(await new Blob(small).arrayBuffer());
      let at = 0;
      for (const file of small) {
        contents.set(file, all.subarray(at, at + file.size));
        at += file.size;
      }
    } catch (error) {
      contents.clear();
    }
    return contents;
  }

  // Drops the folders that nothing shown or reachable reads any more.
  function tidy() {
    const given = (path) => path && '/' + path.split('/')[1];
    const kept = new Set([currentReport(), list && list.folder, returnTo && returnTo.folder, school && school.folder,
                          atHand, ...visitedFolders()].map(given));
    for (const name of core.FS.readdir('/')) {
      if (!/^p\d+$/.test(name) || kept.has('/' + name)) continue;
      removeFolder('/' + name);
      for (const held of [live, snapshots])
        for (const folder of held.keys()) if (given(folder) === '/' + name) held.delete(folder);
    }
  }

  function removeFolder(folder) {
    const FS = core.FS;
    for (const name of FS.readdir(folder)) {
      if (name === '.' || name === '..') continue;
      const path = folder + '/' + name;
      if (FS.isDir(FS.stat(path).mode)) {
        removeFolder(path);
      } else {
        FS.unlink(path);
        chosen.delete(path);
      }
    }
    FS.rmdir(folder);
  }

  const isReportName = (name) => /\.xml$/i.test(name);

  // How long the file, folder or school page asked for took to show, painted, for the
  // browser's performance tools.
  function measure(name, from = 'ulnik: wybrano') {
    if (!performance.getEntriesByName(from).length) return;
    requestAnimationFrame(() => setTimeout(() => performance.measure(name, from)));
  }

  // ---- opening ------------------------------------------------------------------------------

  function listPlace() { return list ? {folder: list.folder, scroll: scrollOf()} : null; }

  // A report opened over the list leads back to it; one opened again keeps the way back it had.
  function reportShown(from, again) {
    if (from) returnTo = from;
    else if (!again) returnTo = null;
    list = null;
    school = null;
    visit({report: currentReport(), returnTo}, again);
  }

  async function openFile(file, dropped) {
    const path = newFolder() + '/' + file.name;
    // A dropped file of another name is refused by its name alone: it is not even read.
    if (!dropped || withText(file.name, (at) => core._ulnik_has_report_extension(at))) await put(path, file);
    const from = listPlace();
    const outcome = await call(() => withText(path, (at) => core._ulnik_open(at, dropped ? 1 : 0)));
    if (outcome === SHOWN) reportShown(from, false);
    tidy();
    measure('ulnik: plik → strona');
  }

  async function retry() {
    const path = currentReport();
    if (chosen.has(path) && !(await put(path, chosen.get(path)))) return call(() => core._ulnik_say(FILE_CHANGED));
    const from = listPlace();
    if ((await call(() => core._ulnik_retry())) === SHOWN) reportShown(from, true);
    tidy();
  }

  // A folder's reports, each {name, file, source} (source: what Ponów reads again), put in a
  // folder of the file system of its own; a live folder's handle makes it read anew from the
  // disk whenever a page is made of it, and a folder without one is a snapshot, which its
  // pages say.
  async function folderOf(reports, name, handle = null) {
    const folder = newFolder(name);
    await fill(folder, reports);
    if (handle) live.set(folder, {handle, state: liveFolders.stateFrom(reports)});
    else snapshots.set(folder, new Date());
    return folder;
  }

  async function fill(folder, reports) {
    const contents = await contentsOf(reports.map((report) => report.file));
    await Promise.all(reports.map(({name, file, source}) =>
      put(folder + '/' + name, source, {file, bytes: contents.get(file)})));
  }

  const givenFiles = (files) => files.map((file) => ({name: file.name, file, source: file}));
  const liveReports = async (handle) => (await liveFolders.reportsOf(handle, isReportName))
                                          .map(({name, file, handle: source}) => ({name, file, source}));

  // A live folder as it is on the disk now. One gone or no longer readable is emptied and
  // removed, so that the pipeline says what it says of a folder that is not there.
  async function readAgain(folder) {
    const held = live.get(folder);
    if (!held) return;
    let reports = null;
    try {
      reports = await liveReports(held.handle);
    } catch (error) {
      console.error(error);
    }
    removeFolder(folder);
    if (!reports) return;
    core.FS.mkdir(folder);
    await fill(folder, reports);
    held.state = liveFolders.stateFrom(reports);
  }

  // The folder named is the one the school's pages are of from now on, whether its list is shown
  // or not: one stray file spoils the list, and its check says which. The list before may stay
  // on the screen, but its folder is withdrawn.
  async function listFolder(reports, name, handle = null) {
    const folder = await folderOf(reports, name, handle);
    atHand = folder;
    await call(() => withText(folder, (at) => core._ulnik_list(at)),
               (outcome) => outcome === SHOWN && listShown(folder, {x: 0, y: 0}),
               (outcome) => outcome === DAMAGED && (() => schoolPage(CHECK)));
    tidy();
    measure('ulnik: folder → lista');
  }

  async function openEntry(index) {
    const from = listPlace();
    if ((await call(() => core._ulnik_open_entry(index))) === SHOWN) reportShown(from, false);
    tidy();
  }

  // A school page leads back to the list of its folder it was made from, as a report opened
  // over it does; made of a folder whose list was never shown, it leads nowhere.
  async function schoolPage(kind) {
    const folder = atHand;
    if (!folder) return;
    await readAgain(folder);
    const from = list && list.folder === folder ? listPlace()
               : returnTo && returnTo.folder === folder ? returnTo : null;
    await call(() => withText(folder, (at) => core._ulnik_school_page(at, kind)), (outcome) => {
      if (outcome === SHOWN) schoolShown(folder, kind, from);
    });
    tidy();
  }

  function schoolShown(folder, kind, from) {
    markSnapshot(folder);
    list = null;
    returnTo = from;
    school = {folder, kind};
    visit({school: folder, kind, returnTo});
  }

  // Before any folder is named, a school page asks for one first.
  function askForSchoolPage(kind) {
    performance.mark('ulnik: strona szkoły');
    if (atHand) return command(async () => {
      await schoolPage(kind);
      measure('ulnik: → strona szkoły', 'ulnik: strona szkoły');
    });
    chooseFolder(kind);
  }

  async function schoolPageOfNewFolder(reports, name, kind, handle = null) {
    atHand = await folderOf(reports, name, handle);
    await schoolPage(kind);
  }

  // The folder picked for its list (kind null) or for a school page: a live one where the
  // browser can hold it, otherwise the snapshot its folder input gives.
  function chooseFolder(kind = null) {
    if (!liveFolders.supported) {
      pickingFor = kind;
      return $('folder').click();
    }
    // Picked at once: the browser shows its picker only during the user's click or key.
    liveFolders.pick().then((handle) => {
      if (!handle) return;
      liveFolders.remember(handle);
      command(() => openLiveFolder(handle, kind));
    }, (error) => console.error(error));
  }

  async function openLiveFolder(handle, kind = null) {
    performance.mark('ulnik: wybrano');
    const reports = await liveReports(handle);
    if (kind === null) await listFolder(reports, handle.name, handle);
    else await schoolPageOfNewFolder(reports, handle.name, kind, handle);
  }

  // The table of the school page shown, read afresh from its folder, as a file to keep.
  async function downloadTable() {
    const made = school && TABLES[school.kind];
    if (!made) return;
    const [exported, name] = made;
    await readAgain(school.folder);
    table = null;
    const outcome = await call(() => withText(school.folder, (at) => core[exported](at)));
    if (outcome !== SHOWN || !table) return;
    // The download before is let go only now: the browser may still be saving it.
    if (tableUrl) URL.revokeObjectURL(tableUrl);
    tableUrl = URL.createObjectURL(new Blob([table], {type: 'text/csv'}));
    table = null;
    const link = document.createElement('a');
    link.href = tableUrl;
    link.download = name;
    link.click();
  }

  // The table's button stands in the window while a school page with a table is shown.
  function commandsShown() {
    if (!core) return;
    $('pobierz').hidden = !(school && TABLES[school.kind]);
  }

  async function back() {
    if (!returnTo || list) return;
    const {folder, scroll} = returnTo;
    await readAgain(folder);
    await call(() => withText(folder, (at) => core._ulnik_list(at)),
               (outcome) => outcome === SHOWN && listShown(folder, scroll));
    tidy();
  }

  // ---- the page in its frame -----------------------------------------------------------------

  // The window's × closes the page shown, back to the empty start with its hint; the file stays
  // the one Ponów opens again.
  function closePage() {
    if (!shown) return;
    shown = false;
    list = null;
    returnTo = null;
    school = null;
    $('widok').classList.remove('pokazuje');
    frame.removeAttribute('srcdoc');
    visit({});
    tidy();
  }

  // ---- the pages shown, as the browser's history ---------------------------------------------

  // Each page shown is an entry of the browser's history, so that its Back and Forward walk the
  // pages shown instead of leaving Ulnik. An entry holds what shows its page again: the report's
  // file, or the folder of the list or the school page, with the way back the page had; the
  // empty start is an entry with none. Their files stay in the file system while they are held.
  const visited = [{}];  // by the number their history state holds
  let at = 0;            // the entry shown
  let going = null;      // the entry the browser went to, while its page is shown again
  history.replaceState({ulnik: 0}, '');

  function visit(entry, again = false) {
    if (going !== null) {
      at = going;
    } else if (again) {
      // Ponów shows the same page: its entry stays the one it was.
    } else {
      // The list left keeps the place it was scrolled to, which the page after it was given.
      const left = visited[at];
      if (left.list && entry.returnTo && entry.returnTo.folder === left.list) left.scroll = entry.returnTo.scroll;
      visited.length = at + 1;
      at = visited.push(entry) - 1;
      history.pushState({ulnik: at}, '');
      return;
    }
    visited[at] = entry;
  }

  function visitedFolders() {
    return visited.flatMap((e) => [e.report, e.list, e.school, e.returnTo && e.returnTo.folder]);
  }

  async function showVisited(number) {
    const entry = visited[number] || {};
    going = number;
    try {
      if (entry.report) {
        if (chosen.has(entry.report)) await put(entry.report, chosen.get(entry.report));
        const outcome = await call(() => withText(entry.report, (p) => core._ulnik_open(p, 0)));
        if (outcome === SHOWN) {
          returnTo = entry.returnTo;
          list = null;
          school = null;
          visit(entry);
        }
      } else if (entry.list) {
        await readAgain(entry.list);
        await call(() => withText(entry.list, (p) => core._ulnik_list(p)),
                   (outcome) => outcome === SHOWN && listShown(entry.list, entry.scroll));
      } else if (entry.school) {
        await readAgain(entry.school);
        await call(() => withText(entry.school, (p) => core._ulnik_school_page(p, entry.kind)),
                   (outcome) => outcome === SHOWN && schoolShown(entry.school, entry.kind, entry.returnTo));
      } else {
        closePage();
      }
      at = number;
    } finally {
      going = null;
    }
    tidy();
  }

  addEventListener('popstate', (event) => {
    const number = event.state && event.state.ulnik;
    if (Number.isInteger(number)) command(() => showVisited(number));
  });

  function show(bytes) {
    return new Promise((resolve) => {
      frame.addEventListener('load', () => {
        shown = true;
        $('widok').classList.add('pokazuje');
        watch(frame.contentDocument, true);
        resolve();
      }, {once: true});
      frame.srcdoc = inertPage(pageText.decode(bytes));
    });
  }

  // A report's values reach the page unescaped, so its author can write markup into it. The
  // frame's policy stops every load, but not what the browser does ahead of one: a preconnect,
  // a DNS prefetch or the connection for a frame it then refuses would tell the author when and
  // where the report was read. So the frame never parses the page as written: it is parsed where
  // nothing is fetched or run (DOMParser), rid of all that names a place to reach, and written
  // out again; what is shown is otherwise the page's own tree.
  const REACHING = 'link, iframe, frame, frameset, object, embed, applet, portal, fencedframe, base, meta, script, ' +
                   'noscript, template, set, animate, animateMotion, animateTransform, discard';
  const ADDRESSES = new Set(['src', 'srcset', 'href', 'data', 'action', 'formaction', 'poster', 'background', 'ping',
                             'cite', 'longdesc', 'lowsrc', 'dynsrc', 'codebase', 'archive', 'manifest', 'imagesrcset',
                             'classid', 'profile', 'itemtype', 'attributionsrc']);
  // What in CSS fetches is a function or an at-rule; an escape could spell either.
  const FETCHING_CSS = /(url|image-set|image|cross-fade|element|src)\s*\(|@import|@font-face|\\/i;

  function inertPage(html) {
    const doc = new DOMParser().parseFromString(html, 'text/html');
    for (const element of doc.querySelectorAll(REACHING)) element.remove();
    for (const style of doc.querySelectorAll('style'))
      if (FETCHING_CSS.test(style.textContent)) style.remove();
    for (const element of doc.querySelectorAll('*')) {
      for (const attribute of [...element.attributes]) {
        const name = attribute.localName.replace(/^.*:/, '').toLowerCase();
        const value = attribute.value;
        if (/^on/.test(name) || FETCHING_CSS.test(value) ||
            (ADDRESSES.has(name) && !value.trim().startsWith('#')))
          element.removeAttributeNode(attribute);
      }
    }
    const noPrefetch = doc.createElement('meta');
    noPrefetch.httpEquiv = 'x-dns-prefetch-control';
    noPrefetch.content = 'off';
    doc.head.prepend(noPrefetch);
    const doctype = doc.doctype ? new XMLSerializer().serializeToString(doc.doctype) : '';
    return doctype + doc.documentElement.outerHTML;
  }

  function scrollOf() {
    const view = frame.contentWindow;
    return {x: view.scrollX, y: view.scrollY};
  }

  // The page runs no script of its own; these listeners are the page's, not the frame's.
  function watch(doc, isPage) {
    doc.addEventListener('click', (event) => {
      // Links lead nowhere: the page stays, as on the desktop.
      if (event.target.closest && event.target.closest('a[href], area[href]')) event.preventDefault();
      if (isPage) clickOnPage(event);
      else helpLink(event);
    });
    doc.addEventListener('submit', (event) => event.preventDefault());
    doc.addEventListener('keydown', keyDown);
    doc.addEventListener('dragover', dragOver);
    doc.addEventListener('drop', dropped);
    if (isPage) doc.addEventListener('copy', copySelection);
  }

  // The text lines of the list: the lines between the <br>s of the paragraph after the title,
  // the blank ones (the group breaks) left out, each with its text as shown.
  function listLines(doc) {
    const title = [...doc.querySelectorAll('p')].find((p) => p.getAttribute('align') === 'center');
    let paragraph = null;
    for (let p = title ? title.nextElementSibling : null; p && !paragraph; p = p.nextElementSibling)
      if (p.tagName === 'P' && p.querySelector(':scope > br')) paragraph = p;
    if (!paragraph) return [];
    const lines = [];
    let nodes = [];
    for (const node of [...paragraph.childNodes]) {
      if (node.nodeName !== 'BR') {
        nodes.push(node);
        continue;
      }
      const text = nodes.map((n) => n.textContent).join('').replace(/\s+/g, ' ').trim();
      if (text) lines.push({nodes, text});
      nodes = [];
    }
    return lines;
  }

  // The core knows the text of every entry, in order; a line is an entry only where it reads
  // as one. A report's values reach the page unescaped and can add or split lines, so a line
  // that reads as no entry is passed over, and the ones after it are still found.
  function listShown(folder, scroll, again = false) {
    const doc = frame.contentDocument;
    const expected = [];
    for (let i = 0, n = core._ulnik_list_size(); i < n; ++i)
      expected.push(core.UTF8ToString(core._ulnik_list_line(i)).replace(/\s+/g, ' ').trim());
    const entries = [];
    let next = 0;
    for (const line of listLines(doc)) {
      const index = expected.indexOf(line.text, next);
      if (index < 0) continue;
      next = index + 1;
      const span = doc.createElement('span');
      span.style.cursor = 'pointer';
      line.nodes[0].parentNode.insertBefore(span, line.nodes[0]);
      for (const node of line.nodes) span.appendChild(node);
      entries.push({index, span});
    }
    list = {folder, entries};
    atHand = folder;
    returnTo = null;
    school = null;
    markSnapshot(folder);
    frame.contentWindow.scrollTo(scroll.x, scroll.y);
    visit({list: folder, scroll}, again);
  }

  // The whole width of an entry's line is its target.
  function clickOnPage(event) {
    if (!list || event.button !== 0) return;
    for (const entry of list.entries) {
      for (const box of entry.span.getClientRects()) {
        if (box.height > 0 && event.clientY >= box.top && event.clientY < box.bottom) {
          command(() => openEntry(entry.index));
          return;
        }
      }
    }
  }

  // ---- the message dialog ---------------------------------------------------------------------

  // Resolves with the answer: CLOSED, or CHECK_TAKEN when `offersCheck` added its button and
  // it was chosen.
  function tell(icon, text, offersCheck = false) {
    return new Promise((resolve) => {
      $('ikona').className = ICONS[icon] || ICONS[1];
      $('tekst-komunikatu').textContent = text.replace(/\r/g, '\n');
      $('przycisk-sprawdz').hidden = !offersCheck;
      $('komunikat').style.transform = '';
      const before = document.activeElement;
      curtain.hidden = false;
      fitDialog();
      $('przycisk-zamknij').focus();
      closeDialog = (answer = CLOSED) => {
        curtain.hidden = true;
        closeDialog = null;
        if (before && before.focus) before.focus();
        resolve(answer);
      };
    });
  }

  // The face as drawn holds 53 pixels of text. A longer text grows the dialog downwards, the
  // picture's white band stretched and its foot with the buttons moved down, up to two thirds
  // of the window; beyond that the text scrolls.
  const TEXT_HEIGHT = 53;
  const DIALOG_HEIGHT = 150;
  const STRETCHED_BAND = 44;  // the picture's rows 60 to 104, plain white between the frame's sides
  function fitDialog() {
    const dialog = $('komunikat');
    const text = $('tekst-komunikatu');
    text.classList.remove('przewijany');
    text.style.height = 'auto';
    const wanted = Math.ceil(text.getBoundingClientRect().height) - TEXT_HEIGHT;
    text.style.height = '';
    const room = Math.floor(innerHeight * 2 / 3) - DIALOG_HEIGHT;
    const growth = Math.max(0, Math.min(wanted, room));
    dialog.style.setProperty('--rozrost', growth + 'px');
    dialog.style.setProperty('--rozciagniecie', (STRETCHED_BAND + growth) / STRETCHED_BAND);
    dialog.classList.toggle('rosnie', growth > 0);
    text.classList.toggle('przewijany', wanted > growth);
    text.scrollTop = 0;
  }
  addEventListener('resize', () => curtain.hidden || fitDialog());

  // A text that scrolls does so by the keys that move nothing else in the dialog.
  function scrollText(key) {
    const text = $('tekst-komunikatu');
    const line = 15;
    const page = Math.max(line, text.clientHeight - line);
    const by = {ArrowDown: line, ArrowUp: -line, PageDown: page, PageUp: -page, End: text.scrollHeight,
                Home: -text.scrollHeight}[key];
    if (by !== undefined) text.scrollBy(0, by);
  }

  // As the desktop dialog: Enter, Esc and the button's letter close it, the letter of the
  // check's button takes it, and no other key reaches anything while it is up.
  function dialogKey(event) {
    event.preventDefault();
    event.stopPropagation();
    if (['Enter', 'Escape', ' '].includes(event.key) || event.code === 'KeyZ') closeDialog();
    else if (event.code === 'KeyS' && !$('przycisk-sprawdz').hidden) closeDialog(CHECK_TAKEN);
    else scrollText(event.key);
  }

  $('przycisk-zamknij').addEventListener('click', () => closeDialog && closeDialog());
  $('zamknij-komunikat').addEventListener('click', () => closeDialog && closeDialog());
  $('przycisk-sprawdz').addEventListener('click', () => closeDialog && closeDialog(CHECK_TAKEN));

  // The dialog is dragged by its title strip.
  $('listwa').addEventListener('pointerdown', (event) => {
    const box = $('komunikat');
    const start = {x: event.clientX, y: event.clientY};
    const [, x0 = 0, y0 = 0] = /translate\((-?[\d.]+)px, (-?[\d.]+)px\)/.exec(box.style.transform) || [];
    const move = (e) => { box.style.transform = `translate(${+x0 + e.clientX - start.x}px, ${+y0 + e.clientY - start.y}px)`; };
    const up = () => {
      $('listwa').removeEventListener('pointermove', move);
      $('listwa').removeEventListener('pointerup', up);
    };
    $('listwa').setPointerCapture(event.pointerId);
    $('listwa').addEventListener('pointermove', move);
    $('listwa').addEventListener('pointerup', up);
  });

  function say(what) { command(() => call(() => core._ulnik_say(what))); }

  // ---- copying ------------------------------------------------------------------------------

  // The styles a pasted copy keeps of the page, written on each element as Chromium's own copy
  // writes them, since the page's style sheet does not go along.
  const COPIED_STYLES = ['font-family', 'font-size', 'font-weight', 'font-style', 'text-decoration-line', 'color',
                         'text-align'];
  const EMPTY_ELEMENTS = new Set(['br', 'hr', 'img', 'input', 'wbr', 'col', 'area', 'embed', 'source', 'track', 'meta',
                                  'link', 'base', 'param']);
  const escapeText = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  const escapeValue = (text) => escapeText(text).replace(/"/g, '&quot;');

  function styledHtml(range) {
    const view = frame.contentWindow;
    const out = [];
    const copy = (node) => {
      if (!range.intersectsNode(node)) return;
      if (node.nodeType === Node.TEXT_NODE) {
        const end = node === range.endContainer ? range.endOffset : node.data.length;
        const start = node === range.startContainer ? range.startOffset : 0;
        out.push(escapeText(node.data.slice(start, end)));
        return;
      }
      if (node.nodeType !== Node.ELEMENT_NODE || node.localName === 'head') return;
      const style = view.getComputedStyle(node);
      let tag = '<' + node.localName;
      for (const attribute of node.attributes)
        if (attribute.name !== 'style') tag += ` ${attribute.name}="${escapeValue(attribute.value)}"`;
      tag += ` style="${escapeValue(COPIED_STYLES.map((p) => `${p}: ${style.getPropertyValue(p)}`).join('; '))}">`;
      out.push(tag);
      if (EMPTY_ELEMENTS.has(node.localName)) return;
      for (const child of node.childNodes) copy(child);
      out.push(`</${node.localName}>`);
    };
    copy(range.commonAncestorContainer);
    return out.join('');
  }

  // The desktop copy's rules (clipboard_rules.h), applied the same way: the copy is parsed by
  // the browser's own HTML5 parser and written out again from the tree, only what the
  // allow-lists name kept, every text and value escaped, no raw-text element written.
  let copyRules = null;
  function rules() {
    if (!copyRules) {
      const lists = JSON.parse(core.UTF8ToString(core._ulnik_clipboard_rules()));
      copyRules = Object.fromEntries(Object.entries(lists).map(([name, names]) => [name, new Set(names)]));
    }
    return copyRules;
  }

  // A declaration's value: no escape, comment, string left open or markup character, and no
  // "(" but right after a colour function: whatever fetches in CSS is a function.
  function safeCssValue(value) {
    if (/[\\@&<>{}\r\n]|\/\*/.test(value)) return false;
    let depth = 0, quote = null;
    for (let i = 0; i < value.length; ++i) {
      const c = value[i];
      if (quote) { if (c === quote) quote = null; continue; }
      if (c === '"' || c === "'") { quote = c; continue; }
      if (c === '(') {
        const name = /([A-Za-z-]+)$/.exec(value.slice(0, i));
        if (!name || !rules().functions.has(name[1].toLowerCase())) return false;
        ++depth;
      } else if (c === ')' && --depth < 0) {
        return false;
      }
    }
    return !quote && depth === 0;
  }

  function safeStyle(style) {
    const kept = [];
    for (const declaration of style.split(';')) {
      const colon = declaration.indexOf(':');
      if (colon < 0) continue;
      const property = declaration.slice(0, colon).trim().toLowerCase();
      const value = declaration.slice(colon + 1).trim();
      if (rules().properties.has(property) && value && safeCssValue(value)) kept.push(`${property}: ${value}`);
    }
    return kept.join('; ');
  }

  function safeHtml(html) {
    const HTML = 'http://www.w3.org/1999/xhtml';
    const r = rules();
    const body = new DOMParser().parseFromString('<!DOCTYPE html><body>' + html, 'text/html').body;
    const out = [];
    const write = (node) => {
      if (node.nodeType === Node.TEXT_NODE) return void out.push(escapeText(node.data).replace(/\u00a0/g, '&nbsp;'));
      if (node.nodeType !== Node.ELEMENT_NODE) return;
      const name = node.localName;
      if (r.hidden.has(name) || (node.namespaceURI !== HTML && name === 'svg')) return;
      if (node.namespaceURI === HTML && r.verbatim.has(name))
        return void out.push('<pre>' + escapeText(node.textContent) + '</pre>');
      if (node.namespaceURI !== HTML || !r.elements.has(name)) return void node.childNodes.forEach(write);
      let tag = '<' + name;
      for (const attribute of node.attributes) {
        if (!r.attributes.has(attribute.name)) continue;
        const value = attribute.name === 'style' ? safeStyle(attribute.value) : attribute.value;
        if (attribute.name !== 'style' || value) tag += ` ${attribute.name}="${escapeValue(value)}"`;
      }
      out.push(tag + '>');
      if (r.voids.has(name)) return;
      node.childNodes.forEach(write);
      out.push(`</${name}>`);
    };
    body.childNodes.forEach(write);
    return out.join('');
  }

  // The text and the HTML, made safe to paste by the desktop copy's own rules.
  function clipboardOf(range, text) {
    return {text, html: safeHtml(styledHtml(range))};
  }

  function pageRange(selectionOnly) {
    const doc = shown && frame.contentDocument;
    if (!doc || !doc.body) return null;
    const selection = frame.contentWindow.getSelection();
    if (selectionOnly && selection.rangeCount && !selection.isCollapsed)
      return {range: selection.getRangeAt(0), text: selection.toString()};
    // The whole page's text as the selection gives it; the user's own selection is put back.
    const found = [...Array(selection.rangeCount).keys()].map((i) => selection.getRangeAt(i));
    const range = doc.createRange();
    range.selectNodeContents(doc.body);
    selection.selectAllChildren(doc.body);
    const text = selection.toString();
    selection.removeAllRanges();
    for (const kept of found) selection.addRange(kept);
    return {range, text};
  }

  // Kopiuj: the whole page, the selection left as it was; Ctrl+C: the selection, or the whole page.
  function copyPage(selectionOnly) {
    if (!core) return;
    const what = pageRange(selectionOnly);
    if (!what) return say(NO_PAGE_TO_COPY);
    const data = clipboardOf(what.range, what.text);
    const fill = (event) => {
      event.clipboardData.setData('text/plain', data.text);
      event.clipboardData.setData('text/html', data.html);
      event.preventDefault();
      event.stopImmediatePropagation();
    };
    document.addEventListener('copy', fill, true);
    let copied = false;
    try {
      copied = document.execCommand('copy');
    } finally {
      document.removeEventListener('copy', fill, true);
    }
    if (!copied) say(COPY_FAILED);
  }

  // The browser's own copy of a selection on the page (its menu) is made safe the same way.
  function copySelection(event) {
    const selection = frame.contentWindow.getSelection();
    if (!core || !selection.rangeCount || selection.isCollapsed) return;
    const data = clipboardOf(selection.getRangeAt(0), selection.toString());
    event.clipboardData.setData('text/plain', data.text);
    event.clipboardData.setData('text/html', data.html);
    event.preventDefault();
  }

  // ---- printing -----------------------------------------------------------------------------

  // The print shows a copy of the page in the page's own document: Chromium prints a frame as
  // one box cut off at the end of the first sheet. The copy runs nothing and its styles stay in
  // a shadow tree of their own; the page in the frame is left as it is.
  const NOT_PRINTED = new Set(['SCRIPT', 'NOSCRIPT', 'TEMPLATE', 'IFRAME', 'FRAME', 'FRAMESET', 'OBJECT', 'EMBED',
                               'META', 'LINK', 'BASE']);
  const printRoot = $('druk').attachShadow({mode: 'closed'});

  // The element is imported whole, attributes of any name and prefix with it (no attribute is
  // set one by one, which a name like xml:lang makes throw), then rid of its handlers.
  function printCopyOf(node) {
    if (node.nodeType === Node.TEXT_NODE) return document.createTextNode(node.data);
    if (node.nodeType !== Node.ELEMENT_NODE || NOT_PRINTED.has(node.tagName.toUpperCase())) return null;
    const copy = document.importNode(node, false);
    for (const attribute of [...copy.attributes])
      if (/^on/i.test(attribute.localName)) copy.removeAttributeNode(attribute);
    for (const child of node.childNodes) {
      const childCopy = printCopyOf(child);
      if (childCopy) copy.appendChild(childCopy);
    }
    return copy;
  }

  // The copy of the shown page for the print, or null when there is no page or it could not
  // be made.
  function printCopy() {
    const doc = shown && frame.contentDocument;
    if (!doc || !doc.body) return null;
    try {
      const copies = [...doc.querySelectorAll('head style')].map(printCopyOf);
      // The body's margins and colours, which its attributes give it, go to the copy's box.
      const body = document.createElement('div');
      const computed = frame.contentWindow.getComputedStyle(doc.body);
      for (const property of ['margin-top', 'margin-right', 'margin-bottom', 'margin-left', 'color', 'background-color'])
        body.style.setProperty(property, computed.getPropertyValue(property));
      for (const child of doc.body.childNodes) {
        const copy = printCopyOf(child);
        if (copy) body.appendChild(copy);
      }
      copies.push(body);
      return copies;
    } catch (error) {
      console.error(error);
      return null;
    }
  }

  // Drukuj and Ctrl+P: nothing before a page is shown, as on the desktop; a page whose printout
  // could not be made is not printed as an empty sheet but said so.
  let printPrepared = false;
  function printPage() {
    if (!core || !shown || !curtain.hidden) return;
    const copies = printCopy();
    if (!copies) return void command(() => call(() => core._ulnik_say(PRINTOUT_FAILED)));
    printRoot.replaceChildren(...copies);
    printPrepared = true;
    try {
      print();
    } finally {
      printPrepared = false;
    }
  }

  // The browser's own print (its menu) comes here alone; it cannot be refused, so a printout
  // that could not be made says so on the sheet.
  addEventListener('beforeprint', () => {
    if (printPrepared) return;
    printRoot.replaceChildren();
    if (!shown) return;
    const copies = printCopy();
    if (copies) printRoot.replaceChildren(...copies);
    else printRoot.textContent = coreText(PRINTOUT_FAILED);
  });
  addEventListener('afterprint', () => printRoot.replaceChildren());

  // ---- help ---------------------------------------------------------------------------------

  const helpPages = JSON.parse($('pomoc-strony').textContent);
  const HELP_START = 'przegladarka.htm';  // the browser edition's own; the desktop's pages follow from it

  function showHelp(name, fragment) {
    $('okno-pomocy').hidden = false;
    helpFrame.addEventListener('load', () => {
      const doc = helpFrame.contentDocument;
      watch(doc, false);
      const target = fragment && doc.getElementById(fragment);
      if (target) target.scrollIntoView();
      helpFrame.focus();
    }, {once: true});
    helpFrame.srcdoc = helpPages[name] || helpPages[HELP_START];
  }

  function closeHelp() {
    $('okno-pomocy').hidden = true;
    $('pomoc').focus();
  }

  // Links between the help pages open in the help's frame; nothing else is followed.
  function helpLink(event) {
    const link = event.target.closest && event.target.closest('a[href]');
    if (!link) return;
    const [name, fragment] = link.getAttribute('href').split('#');
    if (!name) {
      const target = fragment && helpFrame.contentDocument.getElementById(fragment);
      if (target) target.scrollIntoView();
    } else if (helpPages[name]) {
      showHelp(name, fragment);
    }
  }

  // ---- commands and keys --------------------------------------------------------------------

  function chooseFile() { $('plik').click(); }

  $('kopiuj').addEventListener('click', () => copyPage(false));
  $('drukuj').addEventListener('click', printPage);
  $('otworz').addEventListener('click', chooseFile);
  $('ponow').addEventListener('click', () => command(retry));
  $('lista').addEventListener('click', () => chooseFolder());
  $('zbiorcze').addEventListener('click', () => askForSchoolPage(COMBINED));
  $('wyniki').addEventListener('click', () => askForSchoolPage(SUMMARY));
  $('sprawdz').addEventListener('click', () => askForSchoolPage(CHECK));
  $('pobierz').addEventListener('click', () => command(downloadTable));
  $('pomoc').addEventListener('click', () => showHelp(HELP_START));
  $('zamknij-strone').addEventListener('click', () => command(closePage));
  $('zamknij-pomoc').addEventListener('click', closeHelp);

  $('plik').addEventListener('change', (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file) return;
    performance.mark('ulnik: wybrano');
    command(() => openFile(file, false));
  });

  // The folder's own reports: the browser gives every file under it, in its subfolders too.
  $('folder').addEventListener('change', (event) => {
    const all = [...event.target.files];
    const files = all.filter((file) => file.webkitRelativePath.split('/').length === 2 && isReportName(file.name));
    const name = all.length ? all[0].webkitRelativePath.split('/')[0] : '';
    const kind = pickingFor;
    pickingFor = null;
    event.target.value = '';
    performance.mark('ulnik: wybrano');
    command(() => kind === null ? listFolder(givenFiles(files), name)
                                : schoolPageOfNewFolder(givenFiles(files), name, kind));
  });
  $('folder').addEventListener('cancel', () => { pickingFor = null; });

  function keyDown(event) {
    if (!curtain.hidden) return dialogKey(event);
    if (!$('okno-pomocy').hidden) {
      // F5 is Ponów here too: the browser's reload would lose the page shown under the help.
      if (event.key === 'Escape' || event.key === 'F1' || event.key === 'F5') {
        event.preventDefault();
        closeHelp();
        if (event.key === 'F5') command(retry);
      }
      return;
    }
    const ctrl = (event.ctrlKey || event.metaKey) && !event.altKey;
    const plain = !event.ctrlKey && !event.metaKey && !event.altKey && !event.shiftKey;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    let run = null;
    if (ctrl && !event.shiftKey) run = {o: chooseFile, l: chooseFolder, c: () => copyPage(true), p: printPage}[key];
    else if (ctrl) run = {z: () => askForSchoolPage(COMBINED), k: () => askForSchoolPage(SUMMARY),
                          s: () => askForSchoolPage(CHECK)}[key];
    else if (plain && key === 'F5') run = () => command(retry);
    else if (key === 'F1') run = () => showHelp(HELP_START);
    else if ((plain && key === 'Backspace') || (event.altKey && !event.ctrlKey && key === 'ArrowLeft'))
      run = () => command(back);
    if (!run) return;
    event.preventDefault();
    run();
  }
  document.addEventListener('keydown', keyDown);

  // ---- dropping -----------------------------------------------------------------------------

  // Whatever is dropped anywhere on the page is the page's: the browser would otherwise leave
  // the page to show the file.
  function dragOver(event) {
    event.preventDefault();
    event.dataTransfer.dropEffect = curtain.hidden && $('okno-pomocy').hidden ? 'copy' : 'none';
  }

  function readEntries(reader) {
    return new Promise((resolve, reject) => reader.readEntries(resolve, reject));
  }

  async function filesOfFolder(entry) {
    const reader = entry.createReader();
    const entries = [];
    for (let batch; (batch = await readEntries(reader)).length;) entries.push(...batch);
    const reports = entries.filter((e) => e.isFile && isReportName(e.name));
    return Promise.all(reports.map((e) => new Promise((resolve, reject) => e.file(resolve, reject))));
  }

  // The first thing dropped: a folder is listed, a file opened when its name is a report's.
  function dropped(event) {
    event.preventDefault();
    if (!curtain.hidden || !$('okno-pomocy').hidden) return;
    const item = [...event.dataTransfer.items].find((i) => i.kind === 'file');
    if (!item) return;
    const entry = item.webkitGetAsEntry ? item.webkitGetAsEntry() : null;
    // Asked for during the drop itself, the one moment the browser hands a handle over.
    const handle = liveFolders.supported && item.getAsFileSystemHandle ? item.getAsFileSystemHandle() : null;
    performance.mark('ulnik: wybrano');
    if (entry && entry.isDirectory) {
      command(async () => {
        const held = handle && await handle.catch(() => null);
        if (held && held.kind === 'directory') {
          liveFolders.remember(held);
          return openLiveFolder(held);
        }
        return listFolder(givenFiles(await filesOfFolder(entry)), entry.name);
      });
      return;
    }
    const file = item.getAsFile();
    if (file) command(() => openFile(file, true));
  }
  addEventListener('dragover', dragOver);
  addEventListener('drop', dropped);

  // ---- live folders --------------------------------------------------------------------------

  // A live folder's list follows the folder while it is shown, as the desktop's watch does: a
  // report added, changed or removed shows within a second or so.
  const WATCH_MS = 1000;
  let watching = false;
  setInterval(async () => {
    if (watching || !list || !live.has(list.folder) || document.body.dataset.stan !== 'gotowy' || !curtain.hidden)
      return;
    watching = true;
    try {
      const held = live.get(list.folder);
      const state = await liveFolders.stateOf(held.handle, isReportName).catch(() => null);
      if (state !== held.state && list && live.get(list.folder) === held) command(listAgain);
    } finally {
      watching = false;
    }
  }, WATCH_MS);

  async function listAgain() {
    if (!list) return;
    const {folder} = list;
    const scroll = scrollOf();
    await readAgain(folder);
    await call(() => withText(folder, (at) => core._ulnik_list(at)),
               (outcome) => outcome === SHOWN && listShown(folder, scroll, true));
    tidy();
  }

  // A folder the browser handed over as it was when chosen: every page made of it says so.
  function markSnapshot(folder) {
    const taken = snapshots.get(folder);
    const doc = frame.contentDocument;
    if (!taken || !doc.body) return;
    const line = doc.createElement('p');
    line.className = 'M';
    line.textContent = 'Stan folderu z chwili wybrania: ' + taken.toLocaleString('pl-PL');
    doc.body.prepend(line);
  }

  // The folder of the last visit, offered on the empty start; the browser asks for leave to
  // read it again when it wants to.
  function offerRemembered(handle) {
    const button = $('ostatni-folder');
    if (!handle) return;
    button.textContent = 'Pokaż ostatni folder: ' + handle.name;
    button.hidden = false;
    button.onclick = async () => {
      if (!(await liveFolders.mayRead(handle).catch(() => false))) return;
      command(() => openLiveFolder(handle));
    };
  }

  // ---- start --------------------------------------------------------------------------------

  queue = loadCore().then(async () => {
    document.body.dataset.stan = 'gotowy';
    offerRemembered(await liveFolders.remembered());
  }, (error) => {
    console.error(error);
    document.body.dataset.stan = 'blad';
    $('widok').classList.add('pokazuje');
    frame.srcdoc = '<p style="font: 13px sans-serif; margin: 16px">Ta przeglądarka nie uruchamia Ulnika ' +
      '(brak WebAssembly albo DecompressionStream). Otwórz plik w aktualnym Chrome lub Edge.</p>';
  });
})();
