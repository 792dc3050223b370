// The chooser of the language: each language named in itself, under the caption "Language".
// The bar holds one, and so does each view that covers the page (the live view, the help, the
// Repeat view), since a modal view leaves nothing behind it to be reached.

import { currentLanguage, onLanguageChange, setLanguage, shippedLanguages, tr } from './texts.js';

/** A labelled chooser whose select has the id `id`; it follows every change of language. */
export function languageChooser(id: string): HTMLElement {
  const holder = document.createElement('div');
  holder.className = 'language-chooser';
  const label = document.createElement('label');
  label.htmlFor = id;
  const select = document.createElement('select');
  select.id = id;
  for (const language of shippedLanguages) {
    const option = document.createElement('option');
    option.value = language.code;
    option.lang = language.code.replace('_', '-');
    option.textContent = language.name;
    select.append(option);
  }
  select.addEventListener('change', () => setLanguage(select.value));
  const render = (): void => {
    label.textContent = tr('WebPage', 'Language');
    select.value = currentLanguage();
  };
  render();
  onLanguageChange(render);
  holder.append(label, select);
  return holder;
}
