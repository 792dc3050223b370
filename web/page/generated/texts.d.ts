// The shape of js/generated/texts.js, written by web/tools/catalogue.py.

/** One message: the shown text, or its two forms (one, other) for a count. */
export type CatalogueEntry = string | readonly [string, string];

/** Every shown text by context and source text, as one language's .ts file gives it. */
export type Catalogue = {
  readonly [context: string]: { readonly [source: string]: CatalogueEntry };
};

/** The shipped languages in the order the program lists them, each named in itself. */
export declare const languages: readonly { readonly code: string; readonly name: string }[];

/** Each shipped language's catalogue by its code (en, de, fr, es, pt_BR). */
export declare const catalogues: { readonly [code: string]: Catalogue };
