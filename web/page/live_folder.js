'use strict';
// Folders the browser lets the page hold (Chrome and Edge, the File System Access API): what
// is read of them is read from the disk at that moment, their state tells when a report was
// added, changed or removed, and the last one is remembered across visits. Elsewhere a folder
// given is the snapshot the browser hands over, and the page says so.
const liveFolders = (() => {
  const supported = typeof showDirectoryPicker === 'function';

  // The folder's own files whose names are reports': [{name, file, handle}], read now.
  async function reportsOf(folder, isReportName) {
    const found = [];
    for await (const entry of folder.values())
      if (entry.kind === 'file' && isReportName(entry.name)) found.push(entry);
    return Promise.all(found.map(async (handle) => ({name: handle.name, file: await handle.getFile(), handle})));
  }

  // Names, sizes and times of the reports: it changes when the folder's reports do.
  const stateFrom = (reports) =>
    reports.map(({name, file}) => `${name}\u0000${file.size}\u0000${file.lastModified}`).sort().join('\n');
  const stateOf = async (folder, isReportName) => stateFrom(await reportsOf(folder, isReportName));

  // The folder the user picks, or null when they close the picker.
  async function pick() {
    try {
      return await showDirectoryPicker({id: 'sprawozdania', mode: 'read'});
    } catch (error) {
      if (error.name === 'AbortError') return null;
      throw error;
    }
  }

  // Asks again where the browser wants it asked: after a visit ends, a remembered folder needs
  // the user's leave anew.
  async function mayRead(folder) {
    const options = {mode: 'read'};
    if ((await folder.queryPermission(options)) === 'granted') return true;
    return (await folder.requestPermission(options)) === 'granted';
  }

  // The remembered folder lives in IndexedDB, the one place a handle can be kept.
  function inStore(use) {
    return new Promise((resolve, reject) => {
      const opening = indexedDB.open('ulnik', 1);
      opening.onupgradeneeded = () => opening.result.createObjectStore('foldery');
      opening.onerror = () => reject(opening.error);
      opening.onsuccess = () => {
        const db = opening.result;
        const transaction = db.transaction('foldery', 'readwrite');
        const request = use(transaction.objectStore('foldery'));
        transaction.oncomplete = () => { db.close(); resolve(request.result); };
        transaction.onerror = () => { db.close(); reject(transaction.error); };
      };
    });
  }
  const remember = (folder) => inStore((store) => store.put(folder, 'ostatni')).catch(() => {});
  const remembered = () => (supported ? inStore((store) => store.get('ostatni')).catch(() => null)
                                      : Promise.resolve(null));

  return {supported, reportsOf, stateFrom, stateOf, pick, mayRead, remember, remembered};
})();
