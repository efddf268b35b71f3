#!/usr/bin/python3
"""A whole quiz through the accessibility bus (AT-SPI), as switch access, voice control and a
screen reader's "activate" drive a program: actions, table selection and values only, no
pointer and no keys. Starts the built program, chooses pairs, enters and withdraws them,
evaluates, explains an answer, then opens "Color", switches the colour target, sets a slider,
chooses a size and saves; after each step it reads what a learner would see.

    quiz_over_atspi.py PROGRAM

With --orca it is a blind learner instead: a real screen reader (Orca) runs beside the program,
with a window manager giving the windows the focus as on a desktop, and its speech goes to a log.
A short whole test is taken by keys alone (Tab, arrows, Space), and after each step the log must
hold what a sighted learner would see there: the phrase, the counter, the score, "ДА" and "НЕ",
the explanation, a slider's colour.

    quiz_over_atspi.py --orca PROGRAM

Needs an X display and a session bus in the environment; the accessibility bus is started
through the session bus.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Gio, GLib

PAIRS = [
    ("Айдахо", "Бойзи "), ("Айова", "Де Мойн "), ("Алабама", "Монгомъри "),
    ("Аляска", "Джуно "), ("Аризона", "Финикс "), ("Арканзас", "Литъл Рок "),
    ("Вашингтон", "Олимпия "), ("Вирджиния", "Ричмънд "), ("Върмонт", "Монпелие "),
    ("Делауеър", "Доувър "), ("Джорджия", "Атланта "), ("Западна Вирджиния", "Чарлстън "),
    ("Илинойс", "Спрингфилд "), ("Индиана", "Индианаполис "), ("Калифорния", "Сакраменто "),
    ("Канзас", "Топика "), ("Кентъки", "Франкфорт "), ("Колорадо", "Денвър "),
    ("Кънектикът", "Хардфорд "), ("Луизиана", "Батън Руж "), ("Масачузетс", "Бостън "),
    ("Мейн", "Огъста "), ("Мериленд", "Анаполис "), ("Минесота", "Сейнт Пол "),
    ("Мисисипи", "Джакстън "), ("Мисури", "Джеферсън сити "), ("Мичигън", "Лансинг "),
    ("Монтана", "Хелена "), ("Небраска", "Линкълн "), ("Невада", "Карсън сити "),
    ("Ню Джърси", "Трентън "), ("Ню Йорк", "Олбъни "), ("Ню Мексико", "Санта Фе "),
    ("Ню Хемпшир", "Конкорд "), ("Оклахома", "Оклахома сити "), ("Орегон", "Салем "),
    ("Охайо", "Калумбус "), ("Пенсилвания", "Харисбърг "), ("Род Айлънд", "Провидънс "),
    ("Северна Дакота", "Бисмарк "),
]


class Failure(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise Failure(what)


# The longest a step waits for what it needs, on a busy machine; a step that passes waits only
# until it happens.
PATIENCE = 60.0


def wait_for(condition, what, seconds=PATIENCE):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        if condition():
            return
        time.sleep(0.01)
    raise Failure("waited in vain for " + what)


def descendants(node, depth=0):
    """The controls below the node; a list's items are looked up through the list."""
    if node is None or depth > 8:
        return
    yield node
    try:
        if node.getRole() == pyatspi.ROLE_LIST:
            return
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except GLib.GError:
        return  # gone meanwhile
    for child in children:
        yield from descendants(child, depth + 1)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.GError:
        return False


def find(root, role=None, name=None, nth=0, description=None):
    """The nth showing object of the role, name and description given, in the tree's order."""
    found = [n for n in descendants(root)
             if showing(n) and (role is None or n.getRole() == role)
             and (name is None or n.name.strip() == name.strip())
             and (description is None or n.description.strip() == description.strip())
             and showing(n)]
    expect(len(found) > nth, "no %s %r %r" % (role, name, description))
    return found[nth]


def act(node, *names):
    """Does the node's first action of these names."""
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    raise Failure("%r offers %s, not %s" % (node.name, offered, list(names)))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def item(list_node, name):
    for i in range(list_node.childCount):
        child = list_node.getChildAtIndex(i)
        if child.name == name:
            return i, child
    raise Failure("no item %r in %r" % (name, list_node.name))


def selected_rows(list_node):
    return [i for i in range(list_node.childCount)
            if list_node.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)]


class Quiz:
    def __init__(self, program, env=None):
        env = dict(env or os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # Standard error goes to a file: a pipe nobody reads would stop the program once full.
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([program], env=env, stderr=self.errors)
        self.app = None
        wait_for(self._registered, "the program on the accessibility bus")
        self.main = find(self.app, pyatspi.ROLE_FRAME)
        self.left = find(self.main, pyatspi.ROLE_LIST, nth=0)
        self.right = find(self.main, pyatspi.ROLE_LIST, nth=1)
        self.answers = find(self.main, pyatspi.ROLE_LIST, "Набор от вече въведени отговори")

    def _registered(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid and app.childCount:
                self.app = app
                return True
        return False

    def counter(self):
        return find(self.main, pyatspi.ROLE_LABEL, nth=0).name

    def choose(self, list_node, name, through_the_table=False):
        row, child = item(list_node, name)
        if through_the_table:
            expect(list_node.queryTable().addRowSelection(row), "the table selects row %d" % row)
        else:
            act(child, "Press", "Toggle")
        wait_for(lambda: selected_rows(list_node) == [row],
                 "%r alone selected in %r" % (name, list_node.name))

    def press(self, caption, then, what):
        act(find(self.main, pyatspi.ROLE_PUSH_BUTTON, caption), "Press")
        wait_for(then, what)


def whole_quiz(program):
    quiz = Quiz(program)
    expect(quiz.counter() == "Оставащи:", "the counter at start reads " + quiz.counter())
    expect(selected_rows(quiz.left) == [0], "the first state selected at start")

    # Forty pairs, the right phrase chosen through the table every other time; the last two
    # crossed.
    for n, (state, _) in enumerate(PAIRS, start=1):
        capital = PAIRS[n - 1][1] if n <= 38 else PAIRS[78 - n][1]
        quiz.choose(quiz.left, state)
        quiz.choose(quiz.right, capital, through_the_table=n % 2 == 0)
        remaining = "Остават: %d" % (50 - n)
        quiz.press("Избрах", lambda: quiz.counter() == remaining, remaining)
    expect(quiz.answers.childCount == 40, "forty answers")
    last = quiz.answers.getChildAtIndex(39).name
    expect(last == "Северна Дакота Провидънс ", "the last answer reads " + last)

    # Withdraw the last answer; enter it again.
    quiz.choose(quiz.answers, last)
    quiz.press("Върни", lambda: quiz.answers.childCount == 39, "the answer withdrawn")
    expect(quiz.counter() == "Остават: 11", "the counter after the withdrawal")
    quiz.choose(quiz.left, "Северна Дакота")
    quiz.choose(quiz.right, "Провидънс ")
    quiz.press("Избрах", lambda: quiz.answers.childCount == 40, "the answer entered again")

    # The score, the first answer checked, an answer explained.
    quiz.press("Оцени", lambda: quiz.counter().startswith("Верни"), "the score")
    expect(quiz.counter() == "Верни: 76%", "the score reads " + quiz.counter())
    check = find(quiz.main, name="зелено - Вярно; червено - Грешно")
    expect(text_of(check) == "ДА", "the first answer is right")
    quiz.choose(quiz.answers, "Род Айлънд Бисмарк ")
    wait_for(lambda: text_of(check) == "НЕ", "the crossed answer checked wrong")
    box = find(quiz.main, name="Указания и обяснения")
    explained = '\n"Род Айлънд" е във връзка с "Провидънс "'
    quiz.press("Обясни", lambda: text_of(box) == explained, "the explanation of the answer")

    # The colour window: the text colour's green to 200, 14 points, saved.
    act(find(quiz.main, pyatspi.ROLE_MENU_ITEM, "Color"), "Press")
    wait_for(lambda: any(f.name == "Формиране на цвят/избор на шрифт"
                         for f in quiz.app if f is not None and showing(f)),
             "the colour window")
    settings = find(quiz.app, pyatspi.ROLE_FRAME, "Формиране на цвят/избор на шрифт")
    option = find(settings, pyatspi.ROLE_RADIO_BUTTON,
                  "За настройване цвета на текста в текстовите полета")
    act(option, "Toggle", "Press")
    red = find(settings, pyatspi.ROLE_SLIDER, "Промяна на стойн остта на червената съставка")
    wait_for(lambda: red.queryValue().currentValue == 8, "the sliders on the text colour")
    readout = find(settings, pyatspi.ROLE_LABEL, description="Показва цифровата стойност на "
                   "формирания цвят в 16-ична бройна система")
    expect(readout.name == "Цвят в 10/16-тичен код = 8 /H8", "the read-out: " + readout.name)
    green = find(settings, pyatspi.ROLE_SLIDER, "Промяна на стойн остта на зелената съставка")
    green.queryValue().currentValue = 200
    wait_for(lambda: readout.name == "Цвят в 10/16-тичен код = 51208 /HC808",
             "the read-out of the new colour")
    sizes = find(settings, pyatspi.ROLE_LIST, "Определя размера на буквите")
    quiz.choose(sizes, "14")
    act(find(settings, pyatspi.ROLE_MENU_ITEM, "Запис"), "Press")
    wait_for(lambda: not any(showing(f) for f in quiz.app
                             if f is not None and f.name.startswith("Формиране")),
             "the colour window closed")

    # Exit ends the program, with nothing on its standard error.
    act(find(quiz.main, pyatspi.ROLE_MENU_ITEM, "Exit"), "Press")
    quiz.ended_cleanly()


def _ended_cleanly(quiz, allowed=()):
    """The program ended with status 0 and wrote nothing on standard error but the lines that
    start with one of the allowed prefixes."""
    status = quiz.process.wait(timeout=30)
    quiz.errors.seek(0)
    lines = quiz.errors.read().decode(errors="replace").splitlines(keepends=True)
    errors = "".join(line for line in lines if not line.startswith(tuple(allowed)))
    expect(status == 0, "the program ended with status %d" % status)
    expect(errors == "", "the program wrote on standard error:\n" + errors)


Quiz.ended_cleanly = _ended_cleanly


# The screen reader's part: the packages it needs, its speech log, and the keys.
SCREEN_READER_PACKAGES = {"orca": "orca", "openbox": "openbox",
                          "speech-dispatcher": "speech-dispatcher"}
SPEECH_LOG_HOOK = """import logging
_log = logging.FileHandler(%r, encoding="utf-8")
_log.setFormatter(logging.Formatter("%%(message)s"))
logging.getLogger("speech").addHandler(_log)
"""
# A speech server of the test's own, whose output goes nowhere, with a Bulgarian default.
SPEECH_SERVER_CONF = """AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DefaultLanguage "bg"
"""
KEYS = {"Tab": 0xff09, "ShiftTab": 0xfe20, "Down": 0xff54, "Up": 0xff52, "Right": 0xff53,
        "Home": 0xff50,
        "End": 0xff57, "Space": 0x20, "Escape": 0xff1b}
MODIFIED = {"Alt+C": (64, 54), "Ctrl+Q": (37, 24)}  # the virtual X server's key codes


class Listener:
    """Orca beside the program, its speech written to a log that the steps read."""

    def __init__(self, folder, debug_file=None):
        for command, package in SCREEN_READER_PACKAGES.items():
            expect(shutil.which(command), "%s is not installed (Debian package %s)"
                   % (command, package))
        # The desktop session's services reach the display, as a desktop's do.
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reach = {k: os.environ[k] for k in ("DISPLAY", "XDG_RUNTIME_DIR") if k in os.environ}
        bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                      "UpdateActivationEnvironment", GLib.Variant("(a{ss})", (reach,)), None,
                      Gio.DBusCallFlags.NONE, -1, None)
        self.log = os.path.join(folder, "speech.log")
        prefs = os.path.join(folder, "orca")
        config = os.path.join(folder, "config", "speech-dispatcher")
        os.makedirs(prefs)
        os.makedirs(config)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as hook:
            hook.write(SPEECH_LOG_HOOK % self.log)
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write(SPEECH_SERVER_CONF)
        # A Bulgarian desktop, in a locale made for the run: the screen reader speaks Bulgarian.
        expect(os.path.exists("/usr/share/i18n/locales/bg_BG"),
               "the Bulgarian locale's source is not installed (Debian package locales)")
        locales = os.path.join(folder, "locale")
        os.makedirs(locales)
        subprocess.run(["localedef", "-i", "bg_BG", "-f", "UTF-8",
                        os.path.join(locales, "bg_BG.UTF-8")], stdout=subprocess.DEVNULL)
        expect(os.path.isdir(os.path.join(locales, "bg_BG.UTF-8")), "no Bulgarian locale made")
        self.env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                        LOCPATH=locales, LANG="bg_BG.UTF-8", LANGUAGE="bg")
        self.processes = [subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        self.processes.append(subprocess.Popen(
            ["orca", "--replace", "-u", prefs, "-d", "braille", "-d", "main-window"]
            + (["--debug-file", debug_file] if debug_file else []),
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.read = 0
        self.last = 0
        self.hear("")  # its first words: it has started

    def spoken(self):
        try:
            with open(self.log, encoding="utf-8") as log:
                return [line.strip() for line in log if line.startswith("SPEECH OUTPUT")]
        except FileNotFoundError:
            return []

    def hear(self, words, seconds=PATIENCE):
        """Waits until the screen reader says the words, after what it was last heard saying."""
        found = []

        def said():
            lines = self.spoken()
            for i in range(self.read, len(lines)):
                if words in lines[i]:
                    found.append(lines[i])
                    self.last = self.read
                    self.read = i + 1
                    return True
            return False
        try:
            wait_for(said, "the screen reader to say %r" % words, seconds)
        except Failure:
            raise Failure("the screen reader did not say %r; since the last step it said:\n  %s"
                          % (words, "\n  ".join(self.spoken()[self.last:]))) from None
        print("heard:", found[0])
        return found[0]

    def press(self, *names, pause=0.15):
        for name in names:
            if name in MODIFIED:
                modifier, key = MODIFIED[name]
                pyatspi.Registry.generateKeyboardEvent(modifier, None, pyatspi.KEY_PRESS)
                pyatspi.Registry.generateKeyboardEvent(key, None, pyatspi.KEY_PRESSRELEASE)
                pyatspi.Registry.generateKeyboardEvent(modifier, None, pyatspi.KEY_RELEASE)
            else:
                pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)
            time.sleep(pause)

    def stop(self):
        for process in reversed(self.processes):
            process.kill()
            process.wait()


def heard_quiz(program):
    with tempfile.TemporaryDirectory() as folder:
        orca = Listener(folder)
        try:
            quiz = Quiz(program, orca.env)
            try:
                blind_learner(quiz, orca)
            except Failure:
                quiz.process.kill()
                quiz.errors.seek(0)
                sys.stderr.write(quiz.errors.read().decode(errors="replace"))
                raise
        finally:
            orca.stop()


def blind_learner(quiz, orca):
    # The window opens at the state list, and its selected phrase is said.
    orca.hear("Изрази от лявото поле")
    orca.hear("Айдахо")
    # 28 answers through the accessibility actions, as switch access gives them: each counter is
    # heard.
    for n, (state, capital) in enumerate(PAIRS[:28], start=1):
        quiz.choose(quiz.left, state)
        quiz.choose(quiz.right, capital)
        quiz.press("Избрах", lambda: quiz.answers.childCount == n, "answer %d entered" % n)
        orca.hear("Остават: %d" % (50 - n))
    # Then a brisk learner at the keys, 0.2 s apart, who does not wait for the speech: ten more
    # answers, each the first state left with the first capital left, the last one withdrawn,
    # the grade, the checks of the last ten answers from the foot up, the explanation of the
    # first of them, and a slider moved in the colour window. What is heard is checked after
    # the burst; then Escape goes back (a screen reader behind would find the window gone).
    capitals = [quiz.right.getChildAtIndex(i).name for i in range(quiz.right.childCount)]
    entered = []
    keys = ["Home", "Tab", "Home", "Tab", "Tab", "Space"]
    for state, capital in PAIRS[28:38]:
        entered.append((state, capitals.pop(0), capital))
        keys += ["ShiftTab", "ShiftTab", "ShiftTab", "Home", "Tab", "Home", "Tab", "Tab", "Space"]
    keys = keys[:-9] + ["ShiftTab", "End", "Tab", "Tab", "Space", "Tab", "Space", "End"]
    keys += ["Up"] * 9 + ["Tab"] * 3 + ["Space", "Alt+C", "Right"]
    orca.press(*keys, pause=0.2)

    orca.hear("Изрази от дясното поле")
    orca.hear("Избрах")
    for n in range(29, 39):
        orca.hear("Остават: %d" % (50 - n))
    orca.hear("Остават: 13. Бутонът „Оцени“ е достъпен")
    answers = [("%s %s" % (s, c), "ДА") for s, c in PAIRS[:28]]
    answers += [("%s %s" % (s, given), "ДА" if given == right else "НЕ")
                for s, given, right in entered[:9]]
    score = 2 * sum(mark == "ДА" for _, mark in answers)  # 100 * right / 50
    orca.hear("Верни: %d%%. ДА" % score)
    # Each check, in turn: a screen reader behind may pass over a row's focus for the next one,
    # but not over a notification.
    for _, mark in reversed(answers[27:]):
        orca.hear("известяване %s." % mark)
    orca.hear('"Монтана" е във връзка с "Хелена "')
    orca.hear("Формиране на цвят/избор на шрифт")
    orca.hear("Цвят в 10/16-тичен код = ")
    orca.press("Escape")
    orca.hear("KEB")
    orca.press("Ctrl+Q")
    # While the screen reader is busy speaking, the toolkit may wait in vain for its answer on a
    # key; it then gives the key to the window itself, and says so on standard error, and again
    # when the answer comes after all.
    quiz.ended_cleanly(allowed=["QSpiApplication::keyEventError",
                                "QSpiApplication::notifyKeyboardListenerCallback with no queued"])


def main():
    arguments = sys.argv[1:]
    orca = arguments[:1] == ["--orca"]
    if orca:
        arguments = arguments[1:]
    if len(arguments) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        (heard_quiz if orca else whole_quiz)(arguments[0])
    except Failure as failure:
        print("FAILED: " + str(failure), file=sys.stderr)
        return 1
    if orca:
        print("A test taken by keys with a screen reader: every step heard as expected.")
    else:
        print("A whole quiz and the colour window through the accessibility bus: every step as "
              "expected.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
