#!/usr/bin/env python3
"""Writes the window's fixed layout as an ES module for the browser page.

    python3 web/tools/ui_layout.py [--repo DIR] OUTPUT.js

Reads ui/window/quarrow.ui (every control, its place, captions, names and help topics) and the
few facts the window sets in code rather than in the layout file: the faces and sizes of its
fonts, the height of the tab strip, the place of the strip in the focus chain, the control that
has the focus at start, the access keys the window takes away and the page's own Instructions
buttons. Those are read from ui/window/*.cpp, so that nothing of the layout is written twice;
a pattern that is no longer found stops the build rather than guessing.
"""

import argparse
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

POINTS_PER_INCH = 72.0
# Qt lays out a fixed window in logical pixels of 96 dots an inch.
DOTS_PER_INCH = 96.0


class LayoutError(Exception):
    pass


def access_key(text):
    """The caption without its mnemonic marks, the key letter and its place in the caption."""
    shown = []
    key = None
    index = -1
    i = 0
    while i < len(text):
        c = text[i]
        if c == '&' and i + 1 < len(text):
            following = text[i + 1]
            if following == '&':
                shown.append('&')
                i += 2
                continue
            if key is None and following.strip():
                key = following.upper()
                index = len(shown)
            i += 1
            continue
        shown.append(c)
        i += 1
    return ''.join(shown), key, index


def property_value(prop):
    """A Designer property's value as a Python value."""
    child = prop[0] if len(prop) else None
    if child is None:
        return None
    tag = child.tag
    if tag in ('string', 'cstring'):
        return child.text or ''
    if tag == 'number':
        return int(child.text)
    if tag == 'double':
        return float(child.text)
    if tag == 'bool':
        return child.text == 'true'
    if tag == 'rect':
        values = {e.tag: int(e.text) for e in child}
        return {'x': values['x'], 'y': values['y'], 'w': values['width'], 'h': values['height']}
    if tag == 'set':
        return [part.split('::')[-1] for part in (child.text or '').split('|') if part]
    if tag == 'enum':
        return (child.text or '').split('::')[-1]
    if tag == 'font':
        return {e.tag: e.text for e in child}
    raise LayoutError(f'property {prop.get("name")}: unknown value <{tag}>')


# Properties copied under their own name; geometry and the dynamic ones are handled apart.
COPIED = ('text', 'title', 'windowTitle', 'toolTip', 'accessibleName', 'accessibleDescription',
          'alignment', 'wordWrap', 'buddy', 'checked', 'textFormat', 'frameShape', 'frameShadow',
          'lineWidth', 'autoDefault', 'currentIndex', 'readOnly', 'font', 'enabled')
DYNAMIC = ('helpContext', 'arrow', 'fitsText')


def read_widget(element, parent, page, widgets):
    name = element.get('name')
    entry = {'class': element.get('class'), 'objectName': name, 'parent': parent, 'page': page}
    for prop in element.findall('property'):
        key = prop.get('name')
        value = property_value(prop)
        if key == 'geometry':
            entry['geometry'] = value
        elif key in COPIED or key in DYNAMIC or prop.get('stdset') == '0':
            entry[key] = value
    for attribute in element.findall('attribute'):
        entry[attribute.get('name')] = property_value(attribute)
    if 'text' in entry and entry['class'] in ('QPushButton', 'QRadioButton', 'QCheckBox',
                                                'QLabel'):
        caption, key, index = access_key(entry['text'])
        entry['caption'] = caption
        if key is not None:
            entry['accessKey'] = key
            entry['accessKeyIndex'] = index
    widgets.append(entry)
    children = element.findall('widget')
    if entry['class'] == 'QTabWidget':
        entry['pages'] = []
        for index, child in enumerate(children):
            entry['pages'].append(child.get('name'))
            read_widget(child, name, index, widgets)
    else:
        for child in children:
            read_widget(child, name, page, widgets)
    return entry


def find_one(pattern, text, what, flags=0):
    match = re.search(pattern, text, flags)
    if match is None:
        raise LayoutError(f'{what}: not found in the window\'s code')
    return match


def names_in(braces):
    """The control names in `{ui_->A, ui_->B}`."""
    return re.findall(r'ui_->(\w+)', braces)


def code_facts(window_dir):
    """What the window sets in code: faces, sizes, strip, focus, removed keys."""
    quarrow = (window_dir / 'quarrow.cpp').read_text(encoding='utf-8')
    zoom = (window_dir / 'quarrow_zoom.cpp').read_text(encoding='utf-8')
    help_code = (window_dir / 'quarrow_help.cpp').read_text(encoding='utf-8')

    constants = {m.group(1): float(m.group(2)) for m in
                 re.finditer(r'constexpr (?:double|int) (k\w+) = ([0-9.]+);', quarrow + zoom)}
    strings = {m.group(1): m.group(2) for m in
               re.finditer(r'const QString (\w+) = QStringLiteral\("([^"]+)"\);', quarrow)}

    def points(name):
        if name not in constants:
            raise LayoutError(f'font size {name}: not found in the window\'s code')
        return constants[name]

    def font(family, size_name):
        size = points(size_name)
        return {'families': [family], 'pointSize': size,
                'pixelSize': size * DOTS_PER_INCH / POINTS_PER_INCH}

    fonts = {}
    controls_font = {}
    # Captions given a face of their own: for (QLabel* title : {ui_->Label1, ...}) {
    #     title->setFont(FaceAt(serif, kLargeTitlePointSize));
    for m in re.finditer(r'for \(Q\w+\* (\w+) : \{([^}]*)\}\) \{\s*\1->setFont\('
                         r'FaceAt\((\w+), (k\w+)\)\);', quarrow):
        face_var, size_name = m.group(3), m.group(4)
        if face_var not in strings:
            raise LayoutError(f'face {face_var}: not found in the window\'s code')
        key = size_name[1:].replace('PointSize', '')
        key = key[0].lower() + key[1:]
        fonts[key] = font(strings[face_var], size_name)
        for control in names_in(m.group(2)):
            controls_font[control] = key
    # Boxes given a face through a variable: QFont stringFace = FaceAt(QStringLiteral(".."), k..);
    for m in re.finditer(r'QFont (\w+) = FaceAt\(QStringLiteral\("([^"]+)"\), (k\w+)\);', quarrow):
        var, family, size_name = m.groups()
        use = find_one(r'for \(Q\w+\* (\w+) :\s*\{([^}]*)\}\) \{\s*\1->setFont\(' + var + r'\);',
                       quarrow, f'the boxes set in {var}')
        key = var.replace('Face', '')
        fonts[key] = font(family, size_name)
        for control in names_in(use.group(2)):
            controls_font[control] = key
    faces = find_one(r'kLayoutFaces\{([^}]*)\}', quarrow, 'the layout faces')
    families = re.findall(r'"([^"]+)"', faces.group(1))
    # The window takes the first face that fits at full size; the narrow ones are those that do
    # (see DefaultFont), so the page starts its list with them.
    narrow = [f for f in families if 'Narrow' in f]
    fonts['default'] = font(narrow[0] if narrow else families[0], 'kLargestDefaultPointSize')
    fonts['default']['families'] = narrow + [f for f in families if f not in narrow]
    fonts['default']['smallestPointSize'] = points('kSmallestDefaultPointSize')
    fonts['default']['pointSizeStep'] = points('kPointSizeStep')
    fonts['default']['captionSlack'] = points('kCaptionSlack')

    strip_after = find_one(r'setTabOrder\(ui_->(\w+), ui_->(\w+)->tabBar\(\)\)', quarrow,
                           'the tab strip\'s place in the focus chain')
    strip_before = find_one(r'setTabOrder\(ui_->\w+->tabBar\(\), ui_->(\w+)\)', quarrow,
                            'the control after the tab strip')
    initial_focus = find_one(r'ui_->(\w+)->setFocus\(\);', quarrow, 'the first focus').group(1)
    removed_keys = re.findall(r'ui_->(\w+)->setShortcut\(QKeySequence\(\)\);', quarrow)
    instructions = find_one(r'kInstructionsButtons = \{([^}]*)\}', help_code,
                            'the Instructions buttons')
    viewer = (window_dir.parent / 'help' / 'help_viewer.h').read_text(encoding='utf-8')
    topics = find_one(r'kHelpTopics\{([^}]*)\}', viewer, 'the help topics')
    arrows = (window_dir / 'arrows.h').read_text(encoding='utf-8')
    grey = find_one(r'kArrowBackgroundGrey = (\d+);', arrows, 'the arrows\' background')
    base = find_one(r'kBaseSize\{(\d+), (\d+)\}', viewer, 'the help window\'s size')
    return {
        'fonts': fonts,
        'controlFonts': controls_font,
        'tabStripHeight': int(points('kTabStripHeight')),
        'tabStripAfter': strip_after.group(1),
        'tabStripBefore': strip_before.group(1),
        'initialFocus': initial_focus,
        'removedAccessKeys': removed_keys,
        'instructionsButtons': re.findall(r'"([^"]+)"', instructions.group(1)),
        'arrowBackgroundGrey': int(grey.group(1)),
        'help': {'topics': [int(t) for t in re.findall(r'\d+', topics.group(1))],
                 'baseSize': {'w': int(base.group(1)), 'h': int(base.group(2))}},
    }


def build_layout(repo):
    window_dir = repo / 'ui' / 'window'
    root = ET.parse(window_dir / 'quarrow.ui').getroot()
    form = root.find('widget')
    widgets = []
    top = read_widget(form, None, None, widgets)
    facts = code_facts(window_dir)

    by_name = {w['objectName']: w for w in widgets}
    for name, key in facts['controlFonts'].items():
        if name not in by_name:
            raise LayoutError(f'the window\'s code sets a face on {name}, which the layout lacks')
        by_name[name]['fontRole'] = key
    for name in facts['removedAccessKeys']:
        if name in by_name and 'accessKey' in by_name[name]:
            # The caption keeps its underline; the key no longer reaches the control.
            by_name[name]['accessKeyRemoved'] = True

    tab_stops = [e.text for e in root.findall('tabstops/tabstop')]
    missing = [n for n in tab_stops if n not in by_name]
    if missing:
        raise LayoutError(f'tab stops name controls the layout lacks: {missing}')
    tab_widget = next(w for w in widgets if w['class'] == 'QTabWidget')
    focus_chain = list(tab_stops)
    strip = tab_widget['objectName']
    if facts['tabStripAfter'] in focus_chain:
        focus_chain.insert(focus_chain.index(facts['tabStripAfter']) + 1, strip)

    pages = []
    for index, page_name in enumerate(tab_widget['pages']):
        page = by_name[page_name]
        pages.append({'objectName': page_name, 'title': page.get('title', ''), 'index': index})

    widgets = [w for w in widgets if w is not top]
    return {
        'form': top_props_only(top),
        'widgets': widgets,
        'tabWidget': {'objectName': strip, 'pages': pages,
                      'currentIndex': tab_widget.get('currentIndex', 0),
                      'stripHeight': facts['tabStripHeight']},
        'tabStops': tab_stops,
        'focusChain': focus_chain,
        'initialFocus': facts['initialFocus'],
        'instructionsButtons': facts['instructionsButtons'],
        'help': facts['help'],
        'arrowBackgroundGrey': facts['arrowBackgroundGrey'],
        'fonts': facts['fonts'],
    }


def top_props_only(top):
    return {k: v for k, v in top.items() if k not in ('parent', 'page')}


def module_text(layout):
    body = json.dumps(layout, indent=1, ensure_ascii=False, sort_keys=False)
    return ('// Generated by web/tools/ui_layout.py from ui/window/quarrow.ui; do not edit.\n'
            f'export const layout = {body};\n')


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('output', type=Path)
    parser.add_argument('--repo', type=Path, default=Path(__file__).resolve().parents[2])
    args = parser.parse_args(argv)
    try:
        layout = build_layout(args.repo)
    except (LayoutError, ET.ParseError, OSError) as error:
        print(f'ui_layout.py: {error}', file=sys.stderr)
        return 1
    args.output.parent.mkdir(parents=True, exist_ok=True)
    args.output.write_text(module_text(layout), encoding='utf-8')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
