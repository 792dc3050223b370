// The generation log as the page keeps it: a file in the browser's storage for the page, which
// the worker writes as a run goes, and which the page shows in a viewer of its own and offers
// for download. A log of gigabytes is never read whole: the viewer shows its beginning.

import type { Engine } from "./engine-core.js";
import { arg, tr } from "./texts.js";

const kLogName = "generation.log";
/** The most of a log the viewer reads. */
const kShownBytes = 1_000_000;

export class LogStore {
  /** Set while a run writes the log. */
  running = false;

  /** The bytes the browser still lets the site store, or null when it does not say. */
  async room(): Promise<number | null> {
    try {
      const { quota, usage } = await navigator.storage.estimate();
      return quota === undefined || usage === undefined ? null : Math.max(0, quota - usage);
    } catch {
      return null;
    }
  }

  /** The log as it stands, or null when no run has written one. */
  async file(): Promise<File | null> {
    try {
      const root = await navigator.storage.getDirectory();
      const handle = await root.getFileHandle(kLogName);
      return await handle.getFile();
    } catch {
      return null;
    }
  }

  /**
   * Cuts the log back to its first `size` bytes, once the worker that wrote it has let it go:
   * a run whose worker was ended keeps exactly the lines it had reported.
   */
  async cutTo(size: number): Promise<void> {
    const root = await navigator.storage.getDirectory();
    const handle = await root.getFileHandle(kLogName, { create: true });
    for (let attempt = 0; attempt < 40; ++attempt) {
      try {
        const writable = await handle.createWritable({ keepExistingData: true });
        await writable.truncate(size);
        await writable.close();
        return;
      } catch {
        // Still held by the ending worker.
        await new Promise((resolve) => setTimeout(resolve, 25));
      }
    }
  }

  /** Opens the viewer on `file`. */
  async view(file: File, engine: Engine): Promise<void> {
    const dialog = document.createElement("dialog");
    dialog.className = "log-viewer";
    dialog.setAttribute("aria-labelledby", "log-viewer-title");
    const title = document.createElement("h2");
    title.id = "log-viewer-title";
    title.className = "dialog-title";
    title.textContent = tr("WebPage", "Generation log");
    const text = document.createElement("pre");
    text.className = "log-text";
    text.tabIndex = 0;
    text.setAttribute("aria-label", title.textContent);
    const bar = document.createElement("div");
    bar.className = "dialog-buttons";
    const download = document.createElement("a");
    download.textContent = tr("WebPage", "Download");
    download.download = kLogName;
    download.className = "button";
    const address = URL.createObjectURL(file);
    download.href = address;
    const close = document.createElement("button");
    close.type = "button";
    close.textContent = tr("WebPage", "Close");
    close.addEventListener("click", () => dialog.close());
    bar.append(download, close);
    dialog.append(title);
    if (file.size > kShownBytes) {
      const note = document.createElement("p");
      const figures = engine.figures(0, file.size);
      note.textContent = arg(
        tr("WebPage", "The log is %1; this shows its first %2. Download it to read it whole."),
        figures.bytes,
        engine.figures(0, kShownBytes).bytes,
      );
      dialog.append(note);
    }
    dialog.append(text, bar);
    document.body.append(dialog);
    const closed = new Promise<void>((resolve) =>
      dialog.addEventListener("close", () => {
        URL.revokeObjectURL(address);
        dialog.remove();
        resolve();
      }),
    );
    try {
      const shown = await file.slice(0, kShownBytes).text();
      // The viewer shows whole lines only.
      const end = file.size > kShownBytes ? shown.lastIndexOf("\n") + 1 : shown.length;
      text.textContent = shown.slice(0, end);
    } catch (error) {
      text.textContent = arg(tr("WebPage", "The generation log could not be read: %1"), String(error));
    }
    dialog.showModal();
    text.focus();
    return closed;
  }
}
