"""The program as a screen reader sees it, over AT-SPI (pyatspi). Run inside the test's own D-Bus
session (see session.sh); each command waits for what it looks for, prints what it found, and
exits 1 when a check fails.

  atspi.py window                 the window: a frame named by its title, its controls in reading order
  atspi.py field NAME TEXT        types TEXT into the field named NAME (as its editable text)
  atspi.py message BUTTON TEXT    presses BUTTON; the alert that opens holds TEXT where a screen reader
                                  reads it (its showing labels, else its description); its text view
                                  is named; then presses OK
  atspi.py dialog BUTTON          presses BUTTON, then Cancel in the dialog that opens
  atspi.py mirrored               the window in a right-to-left language: each row read from the right
                                  (a field to the right of its button), in reading order
  atspi.py press BUTTON           presses BUTTON
  atspi.py status TEXT            waits until the status line (the window's notification) names TEXT
  atspi.py listen FILE            until ended, writes to FILE a line for each notification shown, as
                                  Orca speaks it: "notification NAME"; first a line "listening"
"""

import sys
import time

import pyatspi

TITLE = 'TALVEN Sound Decoder / Encoder'
READING_ORDER = ['WSS file', 'Select WSS', 'Decode', 'WAV file', 'Select WAV', 'Encode']
failures = 0


def check(what, ok):
    global failures
    print(('PASS: ' if ok else 'FAIL: ') + what)
    failures += 0 if ok else 1


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    print('FAIL: no ' + what)
    sys.exit(1)


def children(node):
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount)) if child]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desktop) if a and a.name == 'talven-sound'), None)


def top_level(role):
    program = app()
    return program and next((w for w in children(program) if w.getRoleName() == role and showing(w)), None)


def control(role, name):
    window = top_level('frame')
    return window and next((c for c in descendants(window) if c.getRoleName() == role and c.name == name), None)


def press(button):
    action = button.queryAction()
    index = next(i for i in range(action.nActions) if action.getName(i) in ('Press', 'press', 'click'))
    action.doAction(index)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ''


def window():
    frame = wait_for(lambda: top_level('frame'), 'window with the role frame')
    check('the window is a frame named "%s"' % frame.name, frame.name == TITLE)
    shown = [c for c in children(frame) if showing(c)]
    names = [c.name for c in shown]
    print('children:', names)
    check('the first controls read ' + ', '.join(READING_ORDER), names[:len(READING_ORDER)] == READING_ORDER)
    # Every control, those added later too: each next one is to the right in its row, or lower down.
    places = [c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for c in shown]
    in_order = all(b.y + b.height / 2 > a.y + a.height or (b.y + b.height / 2 >= a.y and b.x > a.x)
                   for a, b in zip(places, places[1:]))
    check('the controls are listed row by row, each row from the left', in_order)


def mirrored():
    frame = wait_for(lambda: top_level('frame'), 'window with the role frame')
    shown = [c for c in children(frame) if showing(c)]
    places = [c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for c in shown]
    print('children:', [(c.name, p.x, p.y) for c, p in zip(shown, places)])
    # The first row: the WSS field, its button and Decode, from the right.
    row = [(c.getRoleName(), p) for c, p in zip(shown, places)][:3]
    check('the first row reads field, button, button', [role for role, _ in row] == ['text', 'push button', 'push button'])
    check('each of them is to the left of the one before', all(b.x + b.width <= a.x for (_, a), (_, b) in zip(row, row[1:])))
    # Every control: each next one is to the left in its row, or lower down.
    in_order = all(b.y + b.height / 2 > a.y + a.height or (b.y + b.height / 2 >= a.y and b.x < a.x)
                   for a, b in zip(places, places[1:]))
    check('the controls are listed row by row, each row from the right', in_order)


def field(name, text):
    edit = wait_for(lambda: control('text', name), 'field "%s"' % name)
    edit.queryEditableText().setTextContents(text)
    check('the field "%s" holds %s' % (name, text), wait_for(lambda: text_of(edit) == text, 'typed text', 5))


def message(button, text):
    press(wait_for(lambda: control('push button', button), 'button "%s"' % button))
    alert = wait_for(lambda: top_level('alert'), 'alert after pressing %s' % button, 60)
    labels = [node.name or text_of(node) for node in descendants(alert)
              if node.getRoleName() == 'label' and showing(node)]
    # Orca speaks an alert's role and name, then its showing labels, or else its description.
    spoken = ' '.join(labels) or alert.description
    print('a screen reader reads: alert, %s. %s' % (alert.name, spoken.replace('\n', ' / ')))
    check('the alert is named by the window title', alert.name == TITLE)
    check('what it reads holds "%s"' % text, text in spoken)
    views = [node for node in descendants(alert) if node.getRoleName() == 'text' and showing(node)]
    check('the text view shows the message, named "%s"' % (views[0].name if views else ''),
          len(views) == 1 and views[0].name != '' and text in text_of(views[0]))
    press(next(node for node in descendants(alert) if node.getRoleName() == 'push button' and node.name == 'OK'))
    wait_for(lambda: not top_level('alert'), 'end of the alert after OK')


def dialog(button):
    press(wait_for(lambda: control('push button', button), 'button "%s"' % button))
    box = wait_for(lambda: top_level('dialog'), 'dialog after pressing %s' % button)
    check('"%s" opens the dialog "%s"' % (button, box.name), True)
    press(wait_for(lambda: next((node for node in descendants(box)
                                 if node.getRoleName() == 'push button' and node.name == 'Cancel'), None),
                   'Cancel button'))
    wait_for(lambda: not top_level('dialog'), 'end of the dialog after Cancel')


def press_button(button):
    press(wait_for(lambda: control('push button', button), 'button "%s"' % button))


def status(text):
    window = wait_for(lambda: top_level('frame'), 'window with the role frame')
    notice = wait_for(lambda: next((c for c in descendants(window) if c.getRoleName() == 'notification'), None),
                      'status line')
    wait_for(lambda: text in notice.name, 'status "%s"' % text, 30)


def listen(path):
    out = open(path, 'a', buffering=1)

    # Orca speaks a notification, role and name, when it is shown (state-changed:showing on); a
    # label's name change it ignores.
    def shown(event):
        source = event.source
        if event.detail1 == 1 and source and source.getRoleName() == 'notification':
            out.write('notification %s\n' % source.name)

    pyatspi.Registry.registerEventListener(shown, 'object:state-changed:showing')
    # As Orca does: the program then tells of name changes, which keep the names read here fresh.
    pyatspi.Registry.registerEventListener(lambda event: None, 'object:property-change:accessible-name')
    out.write('listening\n')
    pyatspi.Registry.start()


if __name__ == '__main__':
    commands = {'window': window, 'field': field, 'message': message, 'dialog': dialog, 'press': press_button,
                'status': status, 'listen': listen, 'mirrored': mirrored}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    commands[sys.argv[1]](*sys.argv[2:])
    sys.exit(1 if failures else 0)
