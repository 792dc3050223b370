// A first look at the page: the window built from its layout, its help wired. The behaviour of
// the four pages comes on top of this. For a look at each piece, the address may ask for a page
// (?tab=3), a help topic (?help=80) or a dialog (?dialog=message|ask|progress).

import { ask, openProgress, showMessage } from './dialogs.js';
import { createHelpViewer, installHelp } from './help.js';
import { buildWindow } from './layout.js';
import { tr } from './texts.js';

const root = document.getElementById('app');
if (root !== null) {
  const window = buildWindow(root);
  const viewer = createHelpViewer();
  installHelp(window, viewer);

  const query = new URLSearchParams(location.search);
  window.setTab(Number(query.get('tab') ?? 0));
  const topic = query.get('help');
  if (topic !== null) {
    void viewer.show(Number(topic));
  }
  const sample = tr(
    'quarrow::Quarrow',
    'A run is going on. Wait until it has finished, or cancel it, before you start another.',
  );
  switch (query.get('dialog')) {
    case 'message':
      void showMessage('information', sample);
      break;
    case 'ask':
      void ask(sample, [
        { label: tr('quarrow::RepeatWindow', 'Cancel'), role: 'reject' },
        { label: 'OK', role: 'accept' },
      ]);
      break;
    case 'progress': {
      const progress = openProgress(document.title);
      progress.setLabel(sample);
      progress.setRange(0, 200);
      progress.setValue(77);
      progress.setCurrentString('METHINKS IT IS LIKE A WEASEL');
      break;
    }
    default:
      break;
  }
}
