// The shape of js/generated/texts.js, written by web/tools/catalogue.py.

/** One message: the English text, or its two forms (one, other) for a count. */
export type CatalogueEntry = string | readonly [string, string];

/** Every shown text by context and source text, as i18n/quarrow_en.ts gives it. */
export declare const catalogue: {
  readonly [context: string]: { readonly [source: string]: CatalogueEntry };
};
