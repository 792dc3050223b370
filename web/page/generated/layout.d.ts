// The shape of js/generated/layout.js, written by web/tools/ui_layout.py.

/** A place in the form's pixels; a page's controls are placed relative to the tab widget. */
export interface Geometry {
  readonly x: number;
  readonly y: number;
  readonly w: number;
  readonly h: number;
}

/** One control of ui/window/quarrow.ui, with what the window sets on it in code. */
export interface LayoutWidget {
  readonly class: string;
  readonly objectName: string;
  readonly parent: string | null;
  /** The index of the tab page it lies on; null outside the tab widget. */
  readonly page: number | null;
  readonly geometry?: Geometry;
  /** The caption as the layout writes it, '&' marks included (a catalogue key). */
  readonly text?: string;
  /** The caption as shown, without its '&' marks. */
  readonly caption?: string;
  readonly accessKey?: string;
  readonly accessKeyIndex?: number;
  /** The window keeps the underline but takes the key away (another control owns it). */
  readonly accessKeyRemoved?: boolean;
  readonly title?: string;
  readonly toolTip?: string;
  readonly accessibleName?: string;
  readonly accessibleDescription?: string;
  readonly alignment?: readonly string[];
  readonly wordWrap?: boolean;
  readonly buddy?: string;
  readonly checked?: boolean;
  readonly textFormat?: string;
  readonly frameShape?: string;
  readonly frameShadow?: string;
  readonly lineWidth?: number;
  readonly autoDefault?: boolean;
  readonly currentIndex?: number;
  readonly readOnly?: boolean;
  readonly enabled?: boolean;
  readonly helpContext?: number;
  /** The arrow picture a label shows: right, short (also right) or down. */
  readonly arrow?: string;
  /** A caption that keeps its corner and takes the width its text needs. */
  readonly fitsText?: boolean;
  /** A key of `fonts` for a control with a face of its own. */
  readonly fontRole?: string;
  readonly pages?: readonly string[];
}

export interface FontSpec {
  readonly families: readonly string[];
  readonly pointSize: number;
  readonly pixelSize: number;
  readonly smallestPointSize?: number;
  readonly pointSizeStep?: number;
  readonly captionSlack?: number;
}

export interface TabPage {
  readonly objectName: string;
  readonly title: string;
  readonly index: number;
}

export interface FormLayout {
  readonly form: {
    readonly class: string;
    readonly objectName: string;
    readonly geometry: Geometry;
    readonly windowTitle: string;
  };
  readonly widgets: readonly LayoutWidget[];
  readonly tabWidget: {
    readonly objectName: string;
    readonly pages: readonly TabPage[];
    readonly currentIndex: number;
    readonly stripHeight: number;
  };
  /** The layout file's tab stops. */
  readonly tabStops: readonly string[];
  /** The window's focus chain: the tab stops with the tab strip where the window puts it. */
  readonly focusChain: readonly string[];
  readonly initialFocus: string;
  /** Each page's own Instructions button; the other help buttons explain a box. */
  readonly instructionsButtons: readonly string[];
  readonly help: {
    readonly topics: readonly number[];
    readonly baseSize: { readonly w: number; readonly h: number };
  };
  /** The grey behind the arrow pictures, 0 to 255. */
  readonly arrowBackgroundGrey: number;
  readonly fonts: { readonly [role: string]: FontSpec };
}

export declare const layout: FormLayout;
