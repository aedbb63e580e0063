#!/usr/bin/python3
"""The real program as a screen reader meets it over AT-SPI, under Xvfb on a private D-Bus
session (start it with dbus-run-session): the spoken events for keys, results and refusals, the
keys' names, states and shortcuts, and the display's text queries, which must all answer. It
waits for what each step changes rather than for fixed times, and leaves no files behind."""
import os, re, shutil, signal, subprocess, sys, tempfile, time
import warnings
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib
# The offset queries are deprecated for the newer string queries, but are what readers still ask.
warnings.simplefilter("ignore", DeprecationWarning)

program = sys.argv[1]
# The accessibility bus puts its socket in the runtime folder, or in ~/.cache without one.
runtime = tempfile.mkdtemp()
os.environ["XDG_RUNTIME_DIR"] = runtime
read, write = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                         "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
# The launcher starts the accessibility bus and its registry: one process group, killed whole.
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                       start_new_session=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
session = Gio.bus_get_sync(Gio.BusType.SESSION)

def bus_has(name):
    return session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)),
                             None, Gio.DBusCallFlags.NONE, -1).unpack()[0]

for _ in range(1000):
    if bus_has("org.a11y.Bus"): break
    time.sleep(0.01)
Atspi.init()
heard, caret_moves, selections, focus_events = [], [], [], []

def on_event(event):
    source = event.source
    if event.type == "object:state-changed:showing" and event.detail1 == 1 \
            and source.get_role() == Atspi.Role.NOTIFICATION:
        heard.append((source.get_parent().get_role(), source.get_name()))
    if event.type == "object:text-caret-moved":
        caret_moves.append(event.detail1)
    if event.type == "object:text-selection-changed":
        selections.append(source.get_name())
    if event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
        focus_events.append(source.get_name())

listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:showing", "object:text-caret-moved",
             "object:text-selection-changed", "object:state-changed:focused"):
    listener.register(kind)
# Qt's bridge warns on stderr of each event it cannot send as it is.
qt_log = tempfile.TemporaryFile(mode="w+")
# The program gets only what the test relies on: English, no scaling or style of the caller's,
# this display and session bus, and a home in the scratch folder for whatever it caches.
app = subprocess.Popen([program, "-platform", "xcb"], stderr=qt_log,
                       env={"PATH": os.environ["PATH"], "LANG": "C.UTF-8", "HOME": runtime,
                            "XDG_RUNTIME_DIR": runtime, "DISPLAY": os.environ["DISPLAY"],
                            "DBUS_SESSION_BUS_ADDRESS": os.environ["DBUS_SESSION_BUS_ADDRESS"],
                            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
failures = []

def pump(seconds, until=lambda: False):
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        drain()
        time.sleep(0.01)
    drain()

# Hands every event that has arrived to the listener.
def drain():
    while GLib.MainContext.default().iteration(False): pass

def find(role, name=None):
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            found = search(desktop.get_child_at_index(i), role, name)
            if found: return found
        pump(0.1)
    sys.exit(f"no {role.value_nick} {name!r} over AT-SPI")

def search(node, role, name):
    if node is None: return None
    if node.get_role() == role and (name is None or node.get_name() == name): return node
    for i in range(node.get_child_count()):
        found = search(node.get_child_at_index(i), role, name)
        if found: return found
    return None

centres = {}
display = None

def display_text():
    return Atspi.Text.get_text(display, 0, -1) if display else None

# Clicks the keys one after the other. After each click it waits until the display's text
# changes, or for 0.3 s where a click leaves it as it was.
def click(*names):
    for name in names:
        if name not in centres:
            box = find(Atspi.Role.PUSH_BUTTON, name).get_extents(Atspi.CoordType.SCREEN)
            centres[name] = (str(box.x + box.width // 2), str(box.y + box.height // 2))
        before = display_text()
        subprocess.run(["xdotool", "mousemove", *centres[name], "click", "1"], check=True)
        pump(0.3, until=lambda: display_text() != before)

def focused_name(node):
    if node.get_state_set().contains(Atspi.StateType.FOCUSED): return node.get_name()
    for i in range(node.get_child_count()):
        name = focused_name(node.get_child_at_index(i))
        if name: return name
    return None

def expect(what, actual, wanted):
    if actual != wanted: failures.append(f"{what}: heard {actual}, wanted {wanted}")

try:
    window = find(Atspi.Role.APPLICATION, "Numbrel")
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Numbrel$", "windowfocus"])
    click("Switch on")
    display = find(Atspi.Role.TEXT, "Display")
    pump(0.3)
    heard.clear()
    click("1", "2", "Plus", "3")
    pump(0.5)
    expect("keys", heard, [(Atspi.Role.STATUS_BAR, text) for text in ("1", "12", "Plus. Empty.", "3")])
    del heard[:], caret_moves[:]
    click("Equals")
    pump(0.5)
    expect("result", heard, [(Atspi.Role.STATUS_BAR, "15")])
    expect("caret moves a reader would read out", caret_moves, [])
    click("Clear all", "5", "Divide", "0")
    heard.clear()
    click("Equals", "Equals")
    pump(0.5)
    expect("refusals", heard, [(Atspi.Role.STATUS_BAR, "Division: Cannot divide by zero")] * 2)
    expect("display after a refusal", Atspi.Text.get_text(display, 0, -1), "0")

    # Each key's shortcut is its press action's key binding, as readers parse it.
    plus = find(Atspi.Role.PUSH_BUTTON, "Plus")
    expect("the shortcut of Plus", Atspi.Action.get_key_binding(plus, 0), ";;<Alt>plus")
    for key in [find(Atspi.Role.FILLER, "Numbrel").get_child_at_index(i)
                for i in range(find(Atspi.Role.FILLER, "Numbrel").get_child_count())]:
        if key.get_role() == Atspi.Role.PUSH_BUTTON and not re.fullmatch(
                r";;<(Alt|Control)>[a-z0-9]+", Atspi.Action.get_key_binding(key, 0)):
            failures.append(f"{key.get_name()} has no shortcut as readers parse it")

    on_key = find(Atspi.Role.PUSH_BUTTON, "Switch on")
    if on_key.get_state_set().contains(Atspi.StateType.SENSITIVE):
        failures.append("the switched-on ON key is not reported unavailable")
    # Tab to "^x", then once round every control, through the display and its "0".
    names = []
    selections.clear()
    for _ in range(80):
        focus_events.clear()
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        pump(2, until=lambda: focus_events)
        names.append(focused_name(window))
        if names.count("Power") == 2: break
    if names.count("Power") != 2: failures.append(f"Tab did not go round to Power: {names}")
    pump(0.3)
    # A reader hears the selection Tab makes with the focus; an event of its own would have the
    # number read twice, and letting go of it on Tab out be read as "unselected".
    expect("selection events on tabbing through the display", selections, [])

    texts = {"42": ["4", "2", "Clear all", "4", "2"],
             "1.52415787501905E+16": ["Clear all"] + list("123456789") + ["Times"] +
                                     list("123456789") + ["Equals"],
             "": ["Clear all"]}
    for text, keys in texts.items():
        click(*keys)
        expect("display", Atspi.Text.get_text(display, 0, -1), text)
        for offset in range(len(text) + 1):
            for kind in Atspi.TextBoundaryType.__enum_values__.values():
                for query in (Atspi.Text.get_text_at_offset, Atspi.Text.get_text_before_offset,
                              Atspi.Text.get_text_after_offset):
                    try:
                        query(display, offset, kind)
                    except GLib.Error as error:
                        failures.append(f"{query.__name__}({text!r}, {offset}, "
                                        f"{kind.value_nick}): {error.message}")
        run = Atspi.Text.get_attribute_run(display, 0, False)
        expect(f"attribute run of {text!r}", (run.start_offset, run.end_offset), (0, len(text)))
finally:
    app.kill()
    os.killpg(bus.pid, signal.SIGKILL)
    xvfb.terminate()  # so that it removes its lock file and socket
    for process in (app, bus, xvfb):
        process.wait(timeout=10)
    shutil.rmtree(runtime)
qt_log.seek(0)
expect("the first of Qt's accessibility warnings",
       [line for line in qt_log.read().splitlines() if "interface" in line][:1], [])
print("\n".join(failures) or "ok")
sys.exit(1 if failures else 0)
