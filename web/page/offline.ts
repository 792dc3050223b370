// The page's side of the service worker (service-worker.ts): it registers the worker, which
// keeps the site for use without a network, and says in the page's bar when a new version of
// the site is ready, with a button to use it. The page never switches by itself while a task
// runs: the button waits for the task to end.
//
// A static host may serve the site without the headers of cross-origin isolation; the worker
// adds them to what it serves, so a page that comes under the worker unisolated is loaded once
// more, once only.

import { tr } from "./texts.js";

/** The session's mark that the page was reloaded once to come isolated from the worker. */
const kIsolationReload = "quarrow-isolation-reload";

function page(source: string): string {
  return tr("WebPage", source);
}

/** Whether a task (a trial, a run) is under way: the steps mark the page while one is. */
function taskRunning(): boolean {
  return document.body.classList.contains("busy");
}

export class OfflineSite {
  /** The address the page reopens at after a switch: the page's own, or its set-up as a link
   * once the page has one (`keepSetUp`). */
  private address: () => string = () => location.href;
  private switching = false;
  private offer: HTMLElement | null = null;
  private watch: MutationObserver | null = null;

  constructor(private readonly bar: HTMLElement) {}

  /** Reopening after a switch keeps what `address` gives: the phrase, step and scheme. */
  keepSetUp(address: () => string): void {
    this.address = address;
  }

  /** Registers the worker; resolves once registered, or at once where there is none. */
  async start(): Promise<void> {
    if (!("serviceWorker" in navigator)) {
      return;
    }
    const workers = navigator.serviceWorker;
    const hadController = workers.controller !== null;
    if (hadController && this.reloadToIsolate()) {
      return;
    }
    workers.addEventListener("controllerchange", () => {
      if (this.switching) {
        location.replace(this.address());
      } else if (!hadController) {
        // The first visit's page, taken over by the newly installed worker.
        this.reloadToIsolate();
      } else {
        // Another tab or window chose the new version: this page's files are the old ones.
        this.showOffer(page("A new version of Quarrow is in use in another tab or window."), null);
      }
    });
    let registration: ServiceWorkerRegistration;
    try {
      registration = await workers.register(new URL("../service-worker.js", import.meta.url).href, {
        scope: new URL("../", import.meta.url).href,
        updateViaCache: "none",
      });
    } catch (error) {
      // Without the worker the page works as it is, online only.
      console.warn("The page cannot be kept for use offline:", error);
      return;
    }
    const offerWaiting = (): void => {
      const waiting = registration.waiting;
      if (waiting !== null && workers.controller !== null) {
        this.showOffer(page("A new version of Quarrow is ready."), waiting);
      }
    };
    offerWaiting();
    registration.addEventListener("updatefound", () => {
      const installing = registration.installing;
      installing?.addEventListener("statechange", () => {
        if (installing.state === "installed") {
          offerWaiting();
        }
      });
    });
  }

  /** Reloads a page the worker controls that is not isolated, once a session and never during
   * a task; says whether it reloads. */
  private reloadToIsolate(): boolean {
    let reloaded: string | null;
    try {
      if (crossOriginIsolated) {
        sessionStorage.removeItem(kIsolationReload);
        return false;
      }
      reloaded = sessionStorage.getItem(kIsolationReload);
      if (reloaded === null && !taskRunning()) {
        sessionStorage.setItem(kIsolationReload, "1");
      }
    } catch {
      // No session storage, no mark against a second reload: none at all.
      return false;
    }
    if (reloaded !== null || taskRunning()) {
      return false;
    }
    location.replace(this.address());
    return true;
  }

  /** Says `text` in the bar with the button that uses the new version: `waiting` takes over,
   * or, with null, the page reloads onto the version already in charge. */
  private showOffer(text: string, waiting: ServiceWorker | null): void {
    this.offer?.remove();
    this.watch?.disconnect();
    const offer = document.createElement("div");
    offer.id = "update-offer";
    offer.setAttribute("role", "status");
    const said = document.createElement("p");
    const button = document.createElement("button");
    button.type = "button";
    button.id = "useNewVersion";
    button.textContent = page("Use it now");
    button.title = page("Reload the page with the new version, keeping the phrase, step and scheme");
    const showState = (): void => {
      const running = taskRunning();
      button.disabled = running;
      said.textContent = running
        ? `${text} ${page("It can be used once the task under way has finished or been cancelled.")}`
        : text;
    };
    showState();
    this.watch = new MutationObserver(showState);
    this.watch.observe(document.body, { attributes: true, attributeFilter: ["class"] });
    button.addEventListener("click", () => {
      if (taskRunning()) {
        return;
      }
      if (waiting === null || waiting.state === "activated") {
        location.replace(this.address());
        return;
      }
      this.switching = true;
      button.disabled = true;
      waiting.postMessage({ kind: "use-now" });
    });
    offer.append(said, button);
    this.bar.append(offer);
    this.offer = offer;
  }
}
